// Velmora's windows on Qt's offscreen platform in the current folder, winning game after game
// through the real handlers, so that stat.txt is counted as fast as the game can count it. For
// stat_endurance.sh, which kills it and runs two at once. An error box is written to standard error
// instead of waiting for a player.
// Usage: velmora_stat_counter [GAMES]  (none or 0: until killed)
#include "velmora/main_window.h"
#include "velmora/statistics.h"
#include "velmora/windows.h"

#include "toolkit/application.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

class ErrorsToStandardError : public tk::ErrorBox {
public:
    void show(const std::string& message) override { std::fprintf(stderr, "error box: %s\n", message.c_str()); }
};

}  // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    const long games = argc > 1 ? std::atol(argv[1]) : 0;
    tk::Application application(argc, argv, "Velmora");
    ErrorsToStandardError errors;
    tk::setErrorBox(&errors);
    const auto windows = createWindows();
    for (long game = 0; games == 0 || game < games; ++game) {
        Form1->N2Click();
        // The bank's four answers are all the right one.
        while (Form1->GameOver == 0) Form1->AnswerButton(1)->click();
        Form3->Hide();
    }
    tk::setErrorBox(nullptr);
    return 0;
}
