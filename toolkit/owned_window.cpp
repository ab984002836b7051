// Windows that belong to another window of the program, as its small panels and dialogs do.
#include "form.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <xcb/xcb.h>

namespace tk {
namespace {

xcb_atom_t atomNamed(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, std::strlen(name), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return atom;
}

}  // namespace

void Form::setOwner(Form& owner) {
    // A tool window is made transient for its owner, so the desktop keeps it above the owner and
    // takes it away with it. A dialog would be transient too, but window switchers list dialogs
    // whatever they ask.
    setParent(&owner, windowFlags() | Qt::Tool);
}

void Form::keepOffTaskBar() {
    // Being transient is enough for most task bars, but window switchers (openbox's among them)
    // list a transient window unless it asks to be skipped. Qt has no word for that; it keeps
    // what is set here when it adds its own states as it maps the window.
    // Only windows on an X display have these states (not those of Wayland or of the offscreen
    // platform of the tests, which may offer an X connection of its own).
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != "xcb" || !x11 || !x11->connection()) return;
    // Created, not asked for its id: asking would make every control of the owner a native window.
    create();
    xcb_connection_t* const connection = x11->connection();
    const xcb_atom_t states[] = {atomNamed(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atomNamed(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection, XCB_PROP_MODE_APPEND, static_cast<xcb_window_t>(internalWinId()),
                        atomNamed(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32, 2, states);
}

}  // namespace tk
