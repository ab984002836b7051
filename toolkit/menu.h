#pragma once
// A window's main menu: top-level items that open a submenu or act on a click.
#include <QObject>
#include <functional>
#include <string>

class QMenu;
class QMenuBar;

namespace tk {

class Form;

class MainMenu {
public:
    explicit MainMenu(Form& form);

    // A top-level item that opens a submenu; returns the submenu to add items to.
    QMenu* addSubmenu(const std::string& caption);
    // An item of a submenu.
    void addItem(QMenu* submenu, const std::string& caption, std::function<void()> onClick);
    // A top-level item that acts on a click.
    void addItem(const std::string& caption, std::function<void()> onClick);

    QMenuBar* bar() const { return bar_; }

private:
    QMenuBar* bar_;
};

}  // namespace tk
