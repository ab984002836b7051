#include "game_fixture.h"
#include "quorvant/main_window.h"
#include "toolkit/application.h"
#include "toolkit/controls.h"
#include "toolkit/jpeg.h"

#include <filesystem>

namespace quorvant_testing {

std::string encodeLine(std::string_view decoded) {
    std::string stored;
    for (const char c : decoded) {
        const int d = static_cast<unsigned char>(c);
        stored += static_cast<char>(d <= 233 ? d + 22 : d - 202);
    }
    return stored;
}

std::string questionLine(const std::string& id, int right) {
    std::string line = "Q" + id + "*note*";
    for (int letter = 1; letter <= 4; ++letter)
        line += (letter == right ? "#" : "") + std::string(1, char('A' + letter - 1)) + id + "*";
    return encodeLine(line);
}

std::string bankOf(const std::string& prefix, int count, int (*rightOf)(int)) {
    std::vector<std::string> lines;
    for (int k = 1; k <= count; ++k) lines.push_back(questionLine(prefix + std::to_string(k), rightOf ? rightOf(k) : k % 4 + 1));
    return linesFile(lines);
}

std::string linesFile(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) text += line + "\r\n";
    return text;
}

std::vector<std::string> splitLines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

namespace {

// Every look the main window loads, with its size.
struct LookFamily {
    std::vector<std::string> bases;
    std::vector<std::string> suffixes;
    int width, height;
};

const std::vector<LookFamily>& lookFamilies() {
    static const std::vector<LookFamily> families{
        {{"start"}, {"", "2", "3"}, 50, 21},
        {{"exit"}, {"", "2", "3"}, 82, 50},
        {{"about", "auhtors", "edit", "min", "close"}, {"", "2", "3"}, 20, 18},
        {{"vara", "varb", "varc", "vard"}, {"", "1", "11", "2", "3"}, 283, 43},
        {{"fifty", "tel", "piple"}, {"", "2", "3", "4"}, 82, 51},
        {{"sound_on", "sound_on1", "sound_off"}, {""}, 45, 36},
    };
    return families;
}

}  // namespace

QuorvantGame::QuorvantGame() {
    testing_support::fixSeed(20240917);
    std::filesystem::create_directory("images");
    int index = 0;
    for (const LookFamily& family : lookFamilies())
        for (const auto& base : family.bases)
            for (const auto& suffix : family.suffixes) {
                ++index;
                QImage picture(family.width, family.height, QImage::Format_RGB32);
                picture.fill(QColor((index * 37) % 256, (index * 91) % 256, (index * 53 + 40) % 256));
                const std::string name = "images\\" + base + suffix + ".jpg";
                tk::jpeg::save(picture, "images/" + base + suffix + ".jpg");
                looks_[tk::jpeg::load("images/" + base + suffix + ".jpg").pixel(0, 0)] = name;
            }
    folder.write("bank0.txt", bankOf("a", 50));
    folder.write("bank.txt", bankOf("b", 150));
}

QuorvantGame::~QuorvantGame() = default;

void QuorvantGame::showWindows() {
    windows = createWindows();
    Form1->Show();
}

TForm1& QuorvantGame::form() { return *Form1; }

std::string QuorvantGame::lookOf(const tk::Image* image) const {
    if (image->picture().isNull()) return "design";
    const auto found = looks_.find(image->picture().pixel(0, 0));
    return found == looks_.end() ? "design" : found->second;
}

namespace {

// As the mouse gives it: through the control's event, with escaping errors in the error box.
void releaseOn(tk::Control* control) { tk::dispatch([control] { control->OnMouseUp(tk::MouseButton::Left); }); }

}  // namespace

void QuorvantGame::start() { releaseOn(Form1->Image3); }
void QuorvantGame::stop() { releaseOn(Form1->Image9); }
void QuorvantGame::release(int letter) {
    tk::Image* const pictures[] = {Form1->Image13, Form1->Image14, Form1->Image15, Form1->Image16};
    releaseOn(pictures[letter - 1]);
}
int QuorvantGame::rightLetter() const { return Form1->CorrectIndex; }

}  // namespace quorvant_testing
