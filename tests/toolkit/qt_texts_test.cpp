// The texts that Qt itself puts on screen, which a player meets in the games' Russian windows.
#include "toolkit/application.h"
#include "toolkit/edit.h"
#include "toolkit/memo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

namespace {

// The items of a context menu as shown, without their shortcut keys; "-" for a separator.
std::vector<std::string> itemsOf(QMenu* menu) {
    const std::unique_ptr<QMenu> owned(menu);
    std::vector<std::string> items;
    for (const QAction* action : menu->actions())
        items.push_back(action->isSeparator() ? "-" : action->text().section('\t', 0, 0).toStdString());
    return items;
}

TEST(QtTexts, TheContextMenusOfTheTextBoxesAreRussian) {
    const std::vector<std::string> russian = {"&Отменить действие", "&Повторить действие", "-", "&Вырезать",
                                              "&Копировать", "В&ставить", "Удалить", "-", "Выделить всё"};
    QWidget window;
    tk::Memo memo(&window, 0, 0, 200, 100);  // the trainer's log
    EXPECT_EQ(itemsOf(memo.createStandardContextMenu()), russian);
    tk::Edit edit(&window, 0, 120, 33, 21, "0");  // the field of the settings' spinner
    EXPECT_EQ(itemsOf(edit.createStandardContextMenu()), russian);
}

TEST(QtTexts, TheErrorBoxKeepsItsOkButton) {
    // The real box, closed once it is found open.
    QString buttons;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        for (const QAbstractButton* button : box->buttons()) buttons += button->text();
        box->accept();
    });
    closer.start(10);
    tk::showError("Cannot open file \"base.txt\": not a regular file");
    EXPECT_EQ(buttons, "OK");
}

}  // namespace
