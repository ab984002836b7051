#pragma once
// A window of a game: created once, then only shown and hidden. Controls are placed in its client
// area at fixed positions. Closing a secondary window hides it; closing the main window ends the
// program.
#include "colors.h"

#include <QWidget>
#include <functional>
#include <string>

class QMenuBar;

namespace tk {

class MainMenu;

class Form : public QWidget {
public:
    explicit Form(const std::string& caption);

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
    void setBorderless(int rim = 0);
    void setStayOnTop();
    // Centres the window on the screen each time it is shown.
    void setCenteredOnShow() { centerOnShow_ = true; }
    void setIconPicture(const QImage& picture);

    // Shows a hidden window (its OnShow runs first) or brings a shown one to the front.
    void Show();
    void Hide();
    void Close();
    void SetFocus();
    bool Visible() const { return isVisible(); }
    void repaintNow();

    std::function<void()> OnShow;
    std::function<void()> OnHide;
    std::function<void()> OnActivate;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void centerOnScreen();

    QWidget* client_;
    bool centerOnShow_ = false;
};

}  // namespace tk
