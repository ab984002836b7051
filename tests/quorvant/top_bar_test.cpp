// The top bar of the borderless main window: the looks of its picture buttons, what each one does
// on the release, the drag strip, minimise and close.
#include "game_fixture.h"
#include "quorvant/info_windows.h"
#include "quorvant/main_window.h"
#include "quorvant/message_panel.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/text.h"

#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QTimer>
#include <filesystem>

using namespace quorvant_testing;
using namespace tk::literals;

namespace {

class TopBar : public QuorvantGame {
protected:
    TopBar() { showWindows(); }

    // As the mouse gives them: through the control's events, errors to the error box.
    static void enter(tk::Image* button) { tk::dispatch(button->OnMouseEnter); }
    static void leave(tk::Image* button) { tk::dispatch(button->OnMouseLeave); }
    static void press(tk::Image* button) { tk::dispatch([button] { button->OnMouseDown(tk::MouseButton::Left); }); }
    static void release(tk::Image* button) { tk::dispatch([button] { button->OnMouseUp(tk::MouseButton::Left); }); }

    std::vector<std::string> logSince(size_t start) const {
        return {media.log().begin() + static_cast<long>(start), media.log().end()};
    }
};

struct WindowButton {
    const char* base;
    tk::Image* TForm1::*button;
    tk::Form* (*window)();
};

const WindowButton kWindowButtons[] = {
    {"about", &TForm1::Image4, []() -> tk::Form* { return Form3; }},
    {"auhtors", &TForm1::Image5, []() -> tk::Form* { return Form2; }},
    {"edit", &TForm1::Image6, []() -> tk::Form* { return Form4; }},
};

std::string look(const std::string& base, const std::string& suffix) { return "images\\" + base + suffix + ".jpg"; }

TEST_F(TopBar, StandsAcrossTheTopWithItsDesignPicturesAndTwoHints) {
    const TForm1& w = form();
    EXPECT_EQ(w.Image2->geometry(), QRect(328, 6, 321, 18));
    EXPECT_TRUE(w.Image2->picture().isNull());  // the background shows through
    EXPECT_EQ(w.Image4->geometry(), QRect(55, 6, 84, 18));
    EXPECT_EQ(w.Image5->geometry(), QRect(139, 6, 71, 18));
    EXPECT_EQ(w.Image6->geometry(), QRect(209, 6, 117, 18));
    EXPECT_EQ(w.Image7->geometry(), QRect(653, 6, 19, 18));
    EXPECT_EQ(w.Image8->geometry(), QRect(675, 6, 19, 18));
    for (const tk::Image* text : {w.Image4, w.Image5, w.Image6}) {
        EXPECT_EQ(text->picture().height(), 21);  // drawn at its own size, the lowest rows cut off
        EXPECT_EQ(text->picture().width(), text->width());
        EXPECT_TRUE(text->toolTip().isEmpty());
    }
    EXPECT_EQ(tk::fromScreen(w.Image7->toolTip()), "Свернуть"_cp);
    EXPECT_EQ(tk::fromScreen(w.Image8->toolTip()), "Закрыть"_cp);
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(TopBar, TheTextButtonsFollowThePointerAndOpenTheirWindowOnTheRelease) {
    for (const WindowButton& b : kWindowButtons) {
        tk::Image* const button = form().*b.button;
        enter(button);
        EXPECT_EQ(lookOf(button), look(b.base, "2"));
        press(button);
        EXPECT_EQ(lookOf(button), look(b.base, "3"));
        EXPECT_FALSE(b.window()->Visible());
        release(button);
        EXPECT_EQ(lookOf(button), look(b.base, "2"));
        EXPECT_TRUE(b.window()->Visible());
        QApplication::processEvents();  // the platform's activation
        EXPECT_TRUE(b.window()->isActiveWindow());
        leave(button);
        EXPECT_EQ(lookOf(button), look(b.base, ""));
    }
    EXPECT_TRUE(form().Visible());  // not modal: the game stays as it was
    EXPECT_TRUE(errors.messages.empty());

    // Pressed again while open: the same window only comes to the front.
    tk::Form* const help = Form3;
    const QPoint place = help->pos();
    release(form().Image4);
    QApplication::processEvents();
    EXPECT_TRUE(help->isActiveWindow());
    EXPECT_EQ(help->pos(), place);
    EXPECT_TRUE(Form2->Visible() && Form4->Visible());
}

TEST_F(TopBar, APictureThatCannotBeLoadedStopsTheButton) {
    std::filesystem::remove("images/about2.jpg");
    release(form().Image4);
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_NE(errors.messages[0].find("about2.jpg"), std::string::npos);
    EXPECT_FALSE(Form3->Visible());

    std::filesystem::remove("images/auhtors3.jpg");  // the press reports it; the look stays
    enter(form().Image5);
    press(form().Image5);
    EXPECT_EQ(errors.messages.size(), 2u);
    EXPECT_EQ(lookOf(form().Image5), look("auhtors", "2"));

    std::filesystem::remove("images/edit.jpg");  // only leaving reports it
    release(form().Image6);
    EXPECT_TRUE(Form4->Visible());
    leave(form().Image6);
    EXPECT_EQ(errors.messages.size(), 3u);

    std::filesystem::remove("images/min2.jpg");
    std::filesystem::remove("images/close2.jpg");
    release(form().Image7);
    release(form().Image8);
    EXPECT_EQ(errors.messages.size(), 5u);
    EXPECT_FALSE(form().isMinimized());
    EXPECT_TRUE(form().Visible());
}

TEST_F(TopBar, ClosingTheErrorBoxOverAButtonWhoseLookFailsOpensNoBoxInsideIt) {
    std::filesystem::remove_all("images");
    // The pointer rests on the button: closing the box gives the button a new enter, whose look
    // fails again.
    tk::Image* const button = form().Image4;
    errors.onClose = [&](const std::string&) {
        if (errors.messages.size() < 500) enter(button);
    };
    for (int hover = 0; hover < 500; ++hover) enter(button);
    EXPECT_EQ(errors.deepest, 1);
    ASSERT_EQ(errors.messages.size(), 500u);  // one box per hover; the enter its closing gives repeats it
    EXPECT_NE(errors.messages.back().find("about2.jpg"), std::string::npos);
}

TEST_F(TopBar, MinimiseTakesEveryShownWindowAwayAndPausesTheMusicOnce) {
    release(form().Image4);
    release(form().Image5);
    enter(form().Image7);
    const size_t mark = media.log().size();
    release(form().Image7);
    for (tk::Form* window : std::initializer_list<tk::Form*>{Form1, Form2, Form3}) EXPECT_TRUE(window->isMinimized());
    EXPECT_FALSE(Form4->Visible());
    EXPECT_FALSE(Form5->Visible());
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"pause forhim2.wav"}));

    // The desktop restores the main window; the others come back with it.
    form().showNormal();
    for (tk::Form* window : std::initializer_list<tk::Form*>{Form1, Form2, Form3}) EXPECT_FALSE(window->isMinimized());
    EXPECT_FALSE(Form4->Visible());
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"pause forhim2.wav", "play forhim2.wav"}));
    EXPECT_EQ(lookOf(form().Image7), look("min", "2"));  // the hover look stays until the pointer leaves

    // The desktop minimises the main window (its task bar button); the small ones go with it.
    form().showMinimized();
    EXPECT_TRUE(Form2->isMinimized() && Form3->isMinimized());
    tk::Application::instance().Restore();
    EXPECT_FALSE(Form1->isMinimized() || Form2->isMinimized() || Form3->isMinimized());
    EXPECT_EQ(logSince(mark), (std::vector<std::string>{"pause forhim2.wav", "play forhim2.wav", "pause forhim2.wav",
                                                        "play forhim2.wav"}));
}

TEST_F(TopBar, CloseEndsTheProgramAtOnceWithExitCodeZeroLeavingTheList) {
    start();
    ASSERT_TRUE(form().GameActive);
    tk::Application::instance().setMainForm(Form1);
    enter(form().Image8);
    press(form().Image8);
    EXPECT_EQ(lookOf(form().Image8), look("close", "3"));
    QTimer::singleShot(0, [this] { release(form().Image8); });
    QTimer::singleShot(5000, [] { QApplication::exit(99); });  // never hang
    const int code = QApplication::exec();
    tk::Application::instance().setMainForm(nullptr);
    EXPECT_EQ(code, 0);
    EXPECT_FALSE(form().Visible());
    windows.reset();  // the program's end: every window goes
    EXPECT_EQ(splitLines(folder.read("spisok.txt")).size(), 15u);
}

TEST_F(TopBar, ADragOnTheStripMovesTheWindowWithThePointer) {
    const QPoint origin = form().pos();
    const QPoint grip = form().Image2->mapToGlobal(QPoint(100, 9));
    QCursor::setPos(grip);
    const auto send = [&](QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, form().Image2->mapFromGlobal(at), at, button, held, Qt::NoModifier);
        QApplication::sendEvent(form().Image2, &event);
    };
    send(QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    send(QEvent::MouseMove, grip + QPoint(-60, 35), Qt::NoButton, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, grip + QPoint(-60, 35), Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(form().pos(), origin + QPoint(-60, 35));
    EXPECT_TRUE(errors.messages.empty());
}

}  // namespace
