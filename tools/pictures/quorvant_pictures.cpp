// Every picture file of Quorvant, with the place in the window where each one is shown: buttons
// are drawn over the piece of background they cover.
#include "pictures.h"
#include "quorvant_buttons.h"
#include "quorvant_frame.h"

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace pictures {
namespace {

using quorvant::Look;
using Suffixes = std::vector<std::pair<std::string, Look>>;

const Suffixes kButtonLooks{{"", Look::Normal}, {"2", Look::Hover}, {"3", Look::Pressed}};
const Suffixes kAnswerLooks{
    {"", Look::Normal}, {"1", Look::Hover}, {"11", Look::Pressed}, {"2", Look::Right}, {"3", Look::Wrong}};
const Suffixes kLifelineLooks{{"", Look::Normal}, {"2", Look::Hover}, {"3", Look::Pressed}, {"4", Look::Used}};

// Writes the design picture (the normal look) and the look files of one button.
void saveButton(const Folder& design, const Folder& looks, const std::string& base, const Suffixes& suffixes,
                const std::function<QImage(Look)>& draw) {
    design.save(draw(Look::Normal), base + ".jpg");
    for (const auto& [suffix, look] : suffixes) looks.save(draw(look), base + suffix + ".jpg");
}

}  // namespace

void drawQuorvant(const Folder& design, const Folder& looks) {
    using namespace quorvant;
    const QImage window = background();
    const auto ground = [&window](int left, int top, int width, int height) {
        return window.copy(left, top, width, height);
    };
    design.save(window, "background.jpg");
    design.save(ladder(), "ladder.jpg");
    design.save(panel(), "panel.jpg");
    design.save(icon(), "icon.jpg");

    // Top bar text buttons: the stored design pictures are 21 rows high, the looks 18.
    struct TextButton { std::string base; QString caption; int width; };
    for (const TextButton& button : {TextButton{"start", "Старт", 50}, TextButton{"about", "О программе", 84},
                                     TextButton{"auhtors", "Об авторах", 71},
                                     TextButton{"edit", "О редактировании", 117}}) {
        design.save(barButton(button.caption, button.width, 21, Look::Normal), button.base + ".jpg");
        for (const auto& [suffix, look] : kButtonLooks)
            looks.save(barButton(button.caption, button.width, 18, look), button.base + suffix + ".jpg");
    }

    // Minimise and close: 18 x 18 design pictures, stretched by the window to their 19 x 18 places.
    for (const auto& [base, sign, left] : {std::tuple{"min", WindowSign::Minimise, 653},
                                           std::tuple{"close", WindowSign::Close, 675}}) {
        design.save(windowButton(sign, ground(left, 6, 18, 18), Look::Normal), std::string(base) + ".jpg");
        for (const auto& [suffix, look] : kButtonLooks)
            looks.save(windowButton(sign, ground(left, 6, 19, 18), look), base + suffix + ".jpg");
    }

    saveButton(design, looks, "exit", kButtonLooks,
               [&](Look look) { return stopButton(ground(30, 70, 82, 50), look); });

    struct Answer { QChar letter; std::string base; int left, top; };
    for (const Answer& answer : {Answer{'A', "vara", 59, 439}, Answer{'B', "varb", 356, 439},
                                 Answer{'C', "varc", 59, 483}, Answer{'D', "vard", 356, 483}})
        saveButton(design, looks, answer.base, kAnswerLooks, [&](Look look) {
            return answerButton(answer.letter, ground(answer.left, answer.top, 283, 43), look);
        });

    struct Help { Lifeline lifeline; std::string base; int left, top; };
    for (const Help& help : {Help{Lifeline::Fifty, "fifty", 31, 127}, Help{Lifeline::Phone, "tel", 30, 179},
                             Help{Lifeline::Audience, "piple", 31, 230}})
        saveButton(design, looks, help.base, kLifelineLooks, [&](Look look) {
            return lifelineButton(help.lifeline, ground(help.left, help.top, 82, 51), look);
        });

    const QImage speakerGround = ground(648, 508, 45, 36);
    design.save(soundSwitch(speakerGround, true, Look::Normal), "sound.jpg");
    looks.save(soundSwitch(speakerGround, true, Look::Normal), "sound_on.jpg");
    looks.save(soundSwitch(speakerGround, true, Look::Pressed), "sound_on1.jpg");
    looks.save(soundSwitch(speakerGround, false, Look::Normal), "sound_off.jpg");
}

}  // namespace pictures
