// The help, credits and contact windows: their panel frame and texts, closing by a click on the
// picture, and the links, handed to a recording shell.
#include "game_fixture.h"
#include "quorvant/info_windows.h"
#include "quorvant/main_window.h"
#include "toolkit/controls.h"
#include "toolkit/shell.h"
#include "toolkit/text.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <optional>

using namespace quorvant_testing;
using namespace tk::literals;

namespace {

struct ShellCall {
    tk::Form* owner;
    std::optional<std::string> verb;
    std::string address;
    int showCommand;
    bool operator==(const ShellCall&) const = default;
};

class RecordingShell : public tk::Shell {
public:
    RecordingShell() { tk::setShell(this); }
    ~RecordingShell() override { tk::setShell(nullptr); }
    void execute(tk::Form* owner, const char* verb, const std::string& address, int showCommand) override {
        calls.push_back({owner, verb ? std::optional<std::string>(verb) : std::nullopt, address, showCommand});
    }
    std::vector<ShellCall> calls;
};

class InfoWindows : public QuorvantGame {
protected:
    InfoWindows() { showWindows(); }

    // A left click as the mouse gives it, to whatever control lies at that point of the window.
    static void click(tk::Form* window, QPoint at) {
        QWidget* target = window->client()->childAt(at);
        ASSERT_NE(target, nullptr);
        const QPoint local = target->mapFrom(window->client(), at);
        QMouseEvent press(QEvent::MouseButtonPress, local, target->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(target, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, target->mapToGlobal(local), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(target, &release);
    }
    static void clickOn(tk::Label* label) {
        click(static_cast<tk::Form*>(label->window()), label->geometry().center());
    }
    static void pointerEnters(QWidget* control) {
        QEnterEvent event(QPointF(2, 2), control->mapToGlobal(QPointF(2, 2)), control->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(control, &event);
    }
    static void pointerLeaves(QWidget* control) {
        QEvent event(QEvent::Leave);
        QApplication::sendEvent(control, &event);
    }

    RecordingShell shell;
};

std::vector<tk::Form*> infoWindows() { return {Form2, Form3, Form4}; }

TEST_F(InfoWindows, AreBorderlessPanelsWithARimCentredEachTimeTheyAreShown) {
    const QRect screen = QApplication::primaryScreen()->geometry();
    for (tk::Form* window : infoWindows()) {
        EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
        window->move(5, 5);
        window->Show();
        EXPECT_EQ(window->size(), QSize(302, 202));
        EXPECT_EQ(window->client()->geometry(), QRect(1, 1, 300, 200));
        EXPECT_EQ(window->geometry().center(), screen.center());
        window->Hide();
        window->move(40, 30);
        window->Show();
        EXPECT_EQ(window->geometry().center(), screen.center());
        EXPECT_FALSE(window->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(window->windowHandle()->transientParent(), Form1->windowHandle());
        window->resize(400, 300);
        EXPECT_EQ(window->size(), QSize(302, 202));
    }
    EXPECT_EQ(Form2->palette().color(QPalette::Window), tk::toQColor(tk::clBtnFace));
    EXPECT_EQ(Form3->palette().color(QPalette::Window), tk::toQColor(tk::clWindow));
    EXPECT_EQ(Form4->palette().color(QPalette::Window), tk::toQColor(tk::clBtnFace));
    for (const tk::Image* picture : {Form2->Image1, Form3->Image1, Form4->Image1}) {
        EXPECT_EQ(picture->geometry(), QRect(0, 0, 300, 200));
        EXPECT_EQ(picture->picture().size(), QSize(300, 200));
    }
}

TEST_F(InfoWindows, EveryTextStandsInItsPlaceAndFitsIt) {
    EXPECT_EQ(Form3->Label1->geometry(), QRect(16, 72, 273, 121));
    const std::string help = Form3->Label1->caption();
    EXPECT_EQ(help.rfind("Игра \"Quorvant\", является одним из компьютерных вариантов известной игры \""_cp, 0), 0u);
    EXPECT_TRUE(help.ends_with("\". Вам предлагается вопрос и четыре варианта ответов. Правильный ответ и вы набираете "
                               "все большее и большее количество баллов. К тому же у вас есть три варинта подсказки."_cp));

    EXPECT_EQ(Form2->Label3->caption(), "Графика - Klevaro    "_cp);
    EXPECT_EQ(Form2->Label1->caption(), "Программирование - Tarvel"_cp);
    EXPECT_EQ(Form2->Label1->geometry(), QRect(8, 102, 284, 16));
    EXPECT_EQ(Form2->Label4->geometry(), QRect(8, 118, 129, 17));
    EXPECT_EQ(Form2->Label2->geometry(), QRect(8, 141, 284, 32));
    const std::string music = Form2->Label2->caption();
    EXPECT_EQ(music.rfind("Музыка - Mirdos (icq: "_cp, 0), 0u);
    EXPECT_NE(music.find("). Тема: \""_cp), std::string::npos);
    EXPECT_TRUE(music.ends_with("\"."));
    EXPECT_EQ(Form2->Label8->fontColor(), tk::clWhite);

    EXPECT_EQ(Form4->Label1->caption(),
              "Для того чтобы самостоятельно добавить вопросы и варианты ответов свяжитесь со мною."_cp);
    EXPECT_EQ(Form4->Label1->geometry(), QRect(8, 72, 284, 57));
    EXPECT_EQ(Form4->Label4->geometry(), QRect(87, 138, 129, 17));
    EXPECT_EQ(Form4->Label4->caption(), Form2->Label4->caption());

    // Each text fits its rectangle and stays inside the picture.
    for (tk::Form* window : infoWindows())
        for (QWidget* control : window->client()->findChildren<QWidget*>()) {
            const auto* label = dynamic_cast<const tk::Label*>(control);
            if (!label) continue;
            const QRect needed = QFontMetrics(label->QWidget::font())
                                     .boundingRect(QRect(0, 0, label->width(), 10000), Qt::TextWordWrap,
                                                   tk::toScreen(label->caption()));
            EXPECT_LE(needed.height(), label->height()) << label->caption();
            EXPECT_LE(needed.width(), label->width()) << label->caption();
            EXPECT_TRUE(QRect(0, 0, 300, 200).contains(label->geometry())) << label->caption();
            EXPECT_TRUE(label->font().bold);
            EXPECT_EQ(label->font().family, "Arial");
        }
}

TEST_F(InfoWindows, AClickOnThePictureClosesOnlyThatWindowAndTheGameBecomesActive) {
    Form3->Show();
    Form2->Show();
    clickOn(Form3->Label1);  // a plain text: nothing
    clickOn(Form2->Label3);
    EXPECT_TRUE(Form3->Visible() && Form2->Visible());

    click(Form2, QPoint(280, 190));
    QApplication::processEvents();
    EXPECT_FALSE(Form2->Visible());
    EXPECT_TRUE(Form3->Visible());
    EXPECT_TRUE(Form1->isActiveWindow());

    Form4->Show();
    click(Form4, QPoint(20, 180));
    EXPECT_FALSE(Form4->Visible());
    EXPECT_TRUE(Form3->Visible());
    click(Form3, QPoint(150, 40));
    EXPECT_FALSE(Form3->Visible());
    EXPECT_TRUE(Form1->Visible());
}

TEST_F(InfoWindows, LinksLightUpUnderThePointerAndHandTheirAddressToTheDesktop) {
    Form2->Show();
    Form4->Show();
    const std::string mail = Form2->Label4->caption();
    struct Link { tk::Label* label; tk::Form* owner; std::optional<std::string> verb; std::string address; };
    const Link links[] = {
        {Form2->Label4, Form2, std::nullopt, "mailto:" + mail},
        {Form4->Label4, Form4, std::nullopt, "mailto:" + mail},
        {Form2->Label5, Form2, "open", "http://" + Form2->Label5->caption() + "/"},
        {Form2->Label6, Form2, "open", "http://" + Form2->Label6->caption() + "/"},
        {Form2->Label7, Form2, "open", "http://" + Form2->Label7->caption() + "/"},
    };
    for (const Link& link : links) {
        const tk::Font& font = link.label->font();
        EXPECT_TRUE(font.bold && font.underline);
        EXPECT_EQ(font.height, 13);
        EXPECT_EQ(link.label->cursor().shape(), Qt::PointingHandCursor);
        EXPECT_EQ(link.label->fontColor(), tk::clAqua);
        EXPECT_NE(link.address.find("example."), std::string::npos);

        pointerEnters(link.label);
        EXPECT_EQ(link.label->fontColor(), tk::clLime);
        shell.calls.clear();
        clickOn(link.label);
        EXPECT_EQ(shell.calls, (std::vector<ShellCall>{{link.owner, link.verb, link.address, tk::SW_SHOW}}));
        EXPECT_EQ(link.label->fontColor(), tk::clLime);  // the click changes neither colour nor window
        EXPECT_TRUE(link.owner->Visible());
        pointerLeaves(link.label);
        EXPECT_EQ(link.label->fontColor(), tk::clAqua);
    }
    EXPECT_TRUE(errors.messages.empty());
}

}  // namespace
