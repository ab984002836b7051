// x_probe: what the end-to-end runs ask the X server about a program's windows, in one process.
//
//   x_probe windows PID       one line per window of the program (by _NET_WM_PID), viewable ones
//                             and withdrawn ones alike: "ID VIEWABLE DIALOG LEFT TOP WIDTH HEIGHT"
//                             (VIEWABLE and DIALOG are 0 or 1; the place is the client area's
//                             place on the screen, also inside a window manager's frame).
//   x_probe held              one line per key and mouse button held down on the X server: "key
//                             CODE" (the key code, which xdotool keyup takes too) or "button N";
//                             nothing when none is.
//   x_probe ping ID SECONDS   sends the window the desktop's "are you alive" message
//                             (_NET_WM_PING) and waits for the program's answer, which its event
//                             loop gives. Exit code 0: answered; 1: no answer in time; 2: the
//                             window is gone or the display cannot be reached.
//
// Two pings go out one after the other: the program answers a ping as it reads it, before the
// input read with it reaches its handlers; the second answer therefore means that everything sent
// to the program before the first ping has been handled.
#include <xcb/xcb.h>

#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

template <typename T>
using Reply = std::unique_ptr<T, decltype(&std::free)>;

template <typename T>
Reply<T> own(T* reply) { return Reply<T>(reply, &std::free); }

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    auto reply = own(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The first 32-bit values of a property, empty when the window has none or is gone.
std::vector<uint32_t> cardinals(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property) {
    auto reply = own(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 16), nullptr));
    if (!reply || reply->format != 32) return {};
    auto* values = static_cast<uint32_t*>(xcb_get_property_value(reply.get()));
    return std::vector<uint32_t>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

struct Display {
    xcb_connection_t* connection;
    xcb_window_t root;
};

void listWindows(const Display& display, xcb_window_t parent, uint32_t pid) {
    xcb_connection_t* c = display.connection;
    auto tree = own(xcb_query_tree_reply(c, xcb_query_tree(c, parent), nullptr));
    if (!tree) return;
    static const xcb_atom_t pidAtom = atom(c, "_NET_WM_PID");
    static const xcb_atom_t typeAtom = atom(c, "_NET_WM_WINDOW_TYPE");
    static const xcb_atom_t dialogAtom = atom(c, "_NET_WM_WINDOW_TYPE_DIALOG");
    const xcb_window_t* children = xcb_query_tree_children(tree.get());
    for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t window = children[i];
        const std::vector<uint32_t> owner = cardinals(c, window, pidAtom);
        if (owner.empty() || owner[0] != pid) {
            listWindows(display, window, pid);  // a window manager's frame holds the client
            continue;
        }
        auto attributes = own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr));
        auto geometry = own(xcb_get_geometry_reply(c, xcb_get_geometry(c, window), nullptr));
        auto place = own(xcb_translate_coordinates_reply(
            c, xcb_translate_coordinates(c, window, display.root, 0, 0), nullptr));
        if (!attributes || !geometry || !place) continue;  // gone meanwhile
        bool dialog = false;
        for (uint32_t type : cardinals(c, window, typeAtom)) dialog = dialog || type == dialogAtom;
        std::printf("%u %d %d %d %d %d %d\n", window, attributes->map_state == XCB_MAP_STATE_VIEWABLE, dialog,
                    place->dst_x, place->dst_y, geometry->width, geometry->height);
    }
}

void listHeld(const Display& display) {
    xcb_connection_t* c = display.connection;
    if (auto keymap = own(xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr)))
        for (int code = 8; code < 256; ++code)
            if (keymap->keys[code / 8] & (1 << (code % 8))) std::printf("key %d\n", code);
    if (auto pointer = own(xcb_query_pointer_reply(c, xcb_query_pointer(c, display.root), nullptr)))
        for (int button = 1; button <= 5; ++button)
            if (pointer->mask & (XCB_BUTTON_MASK_1 << (button - 1))) std::printf("button %d\n", button);
}

// Sends one ping and waits until the answer comes back or the time is over.
int ping(const Display& display, xcb_window_t window, std::chrono::steady_clock::time_point deadline,
         uint32_t stamp) {
    xcb_connection_t* c = display.connection;
    static const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
    static const xcb_atom_t pingAtom = atom(c, "_NET_WM_PING");
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = protocols;
    message.data.data32[0] = pingAtom;
    message.data.data32[1] = stamp;
    message.data.data32[2] = window;
    // No event mask: the message goes to the program that made the window.
    auto error = own(xcb_request_check(
        c, xcb_send_event_checked(c, 0, window, 0, reinterpret_cast<const char*>(&message))));
    if (error) return 2;
    while (true) {
        while (auto* event = xcb_poll_for_event(c)) {
            const auto answer = own(event);
            if ((event->response_type & 0x7f) != XCB_CLIENT_MESSAGE) continue;
            const auto* reply = reinterpret_cast<const xcb_client_message_event_t*>(event);
            if (reply->data.data32[0] == pingAtom && reply->data.data32[1] == stamp &&
                reply->data.data32[2] == window)
                return 0;
        }
        if (xcb_connection_has_error(c)) return 2;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now()).count();
        if (left <= 0) return 1;
        pollfd socket{xcb_get_file_descriptor(c), POLLIN, 0};
        poll(&socket, 1, static_cast<int>(std::min<long long>(left, 200)));
        // A window that went away meanwhile never answers.
        if (!own(xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, window), nullptr))) return 2;
    }
}

int usage() {
    std::fprintf(stderr, "usage: x_probe windows PID | x_probe held | x_probe ping WINDOW SECONDS\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return usage();
    const std::string command = argv[1];
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "x_probe: cannot open the display\n");
        return 2;
    }
    const Display display{connection, xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root};
    int result = 0;
    if (command == "windows" && argc == 3) {
        listWindows(display, display.root, static_cast<uint32_t>(std::strtoul(argv[2], nullptr, 10)));
    } else if (command == "held") {
        listHeld(display);
    } else if (command == "ping" && argc == 4) {
        // The program answers on the root window, to whoever listens there for its structure.
        const uint32_t mask = XCB_EVENT_MASK_STRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection, display.root, XCB_CW_EVENT_MASK, &mask);
        const xcb_window_t window = static_cast<xcb_window_t>(std::strtoul(argv[2], nullptr, 0));
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(std::atoi(argv[3]));
        for (uint32_t stamp = 1; stamp <= 2 && result == 0; ++stamp) result = ping(display, window, deadline, stamp);
    } else {
        result = usage();
    }
    xcb_disconnect(connection);
    return result;
}
