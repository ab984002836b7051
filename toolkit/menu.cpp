#include "menu.h"
#include "application.h"
#include "form.h"
#include "text.h"

#include <QLayout>
#include <QMenu>
#include <QMenuBar>

namespace tk {

MainMenu::MainMenu(Form& form) : bar_(new QMenuBar(&form)) {
    bar_->setNativeMenuBar(false);
    form.layout()->setMenuBar(bar_);
}

QMenu* MainMenu::addSubmenu(const std::string& caption) { return bar_->addMenu(toScreen(caption)); }

void MainMenu::addItem(QMenu* submenu, const std::string& caption, std::function<void()> onClick) {
    QAction* action = submenu->addAction(toScreen(caption));
    QObject::connect(action, &QAction::triggered, bar_, [onClick] { dispatch(onClick); });
}

void MainMenu::addItem(const std::string& caption, std::function<void()> onClick) {
    QAction* action = bar_->addAction(toScreen(caption));
    QObject::connect(action, &QAction::triggered, bar_, [onClick] { dispatch(onClick); });
}

}  // namespace tk
