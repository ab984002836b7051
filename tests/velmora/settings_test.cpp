#include "game_fixture.h"

#include "velmora/main_window.h"
#include "velmora/settings.h"

#include "toolkit/text.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>

using namespace tk::literals;

namespace {

class Settings : public velmora_testing::GameTest {
protected:
    Settings() { start(velmora_testing::bank15()); }

    // Types into the field and presses "Ok".
    void store(const std::string& typed) const {
        Form5->Edit1->setText(typed);
        Form5->Button1->click();
    }
    void pressKey(QWidget* widget, Qt::Key key) const {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(widget, &press);
    }
};

// The desktop's error box: a window of its own takes the activation while it is open and gives
// it back to the window that had it when it closes.
class ActivatingErrorBox : public tk::ErrorBox {
public:
    ActivatingErrorBox() { tk::setErrorBox(this); }
    ~ActivatingErrorBox() override { tk::setErrorBox(nullptr); }
    void show(const std::string& message) override {
        QWidget* const owner = QApplication::activeWindow();
        QWidget box;
        box.show();
        QApplication::setActiveWindow(&box);
        messages.push_back(message);
        box.hide();
        QApplication::setActiveWindow(owner);
    }
    std::vector<std::string> messages;
};

}  // namespace

TEST_F(Settings, CreatedHiddenAsDesigned) {
    EXPECT_FALSE(Form5->Visible());
    EXPECT_EQ(Form5->caption(), "Настройки"_cp);
    EXPECT_EQ(Form5->Left(), 428);
    EXPECT_EQ(Form5->Top(), 343);
    EXPECT_EQ(Form5->Edit1->text(), "0");
    EXPECT_EQ(Form5->UpDown1->geometry(), QRect(113, 16, 16, 21));
    EXPECT_EQ(Form5->Label3->caption(), "Сложность"_cp);
    EXPECT_EQ(Form5->Button1->text(), "Ok");
    EXPECT_TRUE(Form5->Button1->isDefault());
    EXPECT_EQ(Form1->Difficulty, 0);

    // The picture of the window, shown by a test since the program never shows it.
    const QDir artifacts(QCoreApplication::applicationDirPath() + "/../artifacts");
    QDir().mkpath(artifacts.path());
    EXPECT_TRUE(Form5->grab().toImage().save(artifacts.filePath("velmora_settings_offscreen.png")));
}

TEST_F(Settings, SpinnerStepsByFiveWithinZeroToTwenty) {
    std::vector<std::string> seen;
    for (int i = 0; i < 5; ++i) {
        pressKey(Form5->Edit1, Qt::Key_Up);
        seen.push_back(Form5->Edit1->text());
    }
    EXPECT_EQ(seen, (std::vector<std::string>{"5", "10", "15", "20", "20"}));
    for (int i = 0; i < 5; ++i) Form5->UpDown1->stepDown();
    EXPECT_EQ(Form5->Edit1->text(), "0");
}

TEST_F(Settings, OkStoresTheTypedValueUnchangedAndCloses) {
    Form5->Show();
    store("55");
    EXPECT_EQ(Form1->Difficulty, 55);
    EXPECT_FALSE(Form5->Visible());
    for (const auto& [typed, value] : std::vector<std::pair<std::string, int>>{
             {"-5", -5}, {"  15", 15}, {"+10", 10}, {"$1F", 31}, {"x10", 16}, {"0x10", 16}, {"$FFFFFFFF", -1}}) {
        store(typed);
        EXPECT_EQ(Form1->Difficulty, value) << typed;
    }
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(Settings, RefusedTextKeepsTheWindowOpenAndTheValue) {
    Form1->Difficulty = 10;
    Form5->Show();
    for (const std::string typed : {"", "abc", "1.5", "12 ", "2147483648"}) {
        store(typed);
        ASSERT_FALSE(errors.messages.empty());
        EXPECT_EQ(errors.messages.back(), "'" + typed + "' is not a valid integer value");
        EXPECT_TRUE(Form5->Visible());
        EXPECT_EQ(Form5->Edit1->text(), typed);
        EXPECT_EQ(Form1->Difficulty, 10);
    }
    EXPECT_EQ(errors.messages.size(), 5u);
    Form5->Close();
}

TEST_F(Settings, TheWindowComingBackFromTheErrorBoxKeepsTheTypedText) {
    ActivatingErrorBox box;
    Form1->Difficulty = 10;
    Form5->Show();
    QApplication::setActiveWindow(Form5);
    store("abc");
    EXPECT_EQ(box.messages, std::vector<std::string>{"'abc' is not a valid integer value"});
    EXPECT_EQ(QApplication::activeWindow(), Form5);
    EXPECT_EQ(Form5->Edit1->text(), "abc");
    EXPECT_EQ(Form1->Difficulty, 10);
    Form5->Close();
}

TEST_F(Settings, EnterInTheFieldPressesOk) {
    Form5->Show();
    Form5->Edit1->setText("20");
    pressKey(Form5->Edit1, Qt::Key_Return);
    EXPECT_EQ(Form1->Difficulty, 20);
    EXPECT_FALSE(Form5->Visible());
}

// Each activation shows the stored value; a value typed without "Ok" is dropped.
TEST_F(Settings, ActivationReloadsTheField) {
    Form1->Difficulty = 15;
    Form5->Show();
    QApplication::processEvents();
    EXPECT_EQ(Form5->Edit1->text(), "15");
    Form5->Edit1->setText("7");
    Form1->Show();
    QApplication::processEvents();
    Form5->Show();
    QApplication::processEvents();
    EXPECT_EQ(Form5->Edit1->text(), "15");
    Form5->Close();
    Form1->Hide();
}
