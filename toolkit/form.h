#pragma once
// A window of a game: created once, then only shown and hidden. Controls are placed in its client
// area at fixed positions. Closing a secondary window hides it; closing the main window ends the
// program.
#include "colors.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>

class QMenuBar;

namespace tk {

class MainMenu;

class Form : public QWidget {
public:
    explicit Form(const std::string& caption);
    ~Form() override;

    // The area the controls are placed in (below the menu bar, if any).
    QWidget* client() const { return client_; }

    void setCaption(const std::string& caption);
    std::string caption() const;

    // Left and Top are the outer window's place on the screen.
    int Left() const;
    int Top() const;
    void setLeft(int left);
    void setTop(int top);
    void setClientSize(int width, int height);
    // For windows designed by their outer size: the client area is that less a standard frame.
    void setOuterSize(int width, int height);
    void setColor(Color color);
    // A window without a frame or title bar; with a rim, a border of that many pixels in its colour.
    // Having no border to resize it by, it keeps the size that setClientSize (called after) gives.
    void setBorderless(int rim = 0);
    // The window belongs to its owner: the desktop lists only the owner as a program, in its task
    // bar and window switcher, and keeps this window above it (owned_window.cpp).
    void setOwner(Form& owner);
    void setStayOnTop();
    // Centres the window on the screen each time it is shown.
    void setCenteredOnShow() { centerOnShow_ = true; }
    void setIconPicture(const QImage& picture);

    // Shows a hidden window (its OnShow runs first) or brings a shown one to the front. The window
    // counts as visible from the moment Show begins: a Show while its OnShow runs (from the handler
    // itself, or from a timer that fires behind an error box the handler opened) changes nothing,
    // and the handler runs once. A window that becomes active so runs its OnActivate before Show
    // returns, as the desktop's own activation would; the platform's later notice of that
    // activation is not run again.
    void Show();
    // Hides the window; one whose OnShow is still running is then not put on screen.
    void Hide();
    void Close();
    void SetFocus();
    // Called from a mouse press: the window follows the pointer until the button is released
    // (the desktop's own move where it offers one; window_move.cpp).
    void startMove();
    bool Visible() const { return isVisible() || showing_; }
    void repaintNow();

    std::function<void()> OnShow;
    std::function<void()> OnHide;
    // Runs when the window becomes the program's active window: shown, or come back to from
    // another window of the program (not from a message box or another program).
    std::function<void()> OnActivate;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void centerOnScreen();
    // Asks the desktop, before the window is mapped, to leave it out of task bars and switchers.
    void keepOffTaskBar();
    QPoint outerPlace() const;
    void moveTo(QPoint place);

    QWidget* client_;
    bool centerOnShow_ = false;
    // Show has begun and runs the show handler; the window is not on screen yet.
    bool showing_ = false;
    // The outer place of a hidden window, which has no frame to measure it by.
    std::optional<QPoint> hiddenPlace_;
};

}  // namespace tk
