// Any bytes as the question list of a game, shown line by line on the real main window as the game
// moves on (vopros): a line's first field goes to the question label and its fields 3 to 6 to the
// answer labels, a field the line does not reach keeps what the window held, the last answer that
// starts with "#" becomes the right one and is shown without that mark, and the window then draws.
#include "fuzz_application.h"
#include "fuzz_setup.h"
#include "quorvant/main_window.h"
#include "quorvant/question_list.h"
#include "quorvant/windows.h"
#include "tests/support/fake_media_backend.h"

#include "toolkit/controls.h"
#include "toolkit/random.h"
#include "toolkit/text.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

using namespace tk::literals;

namespace {

fuzz_setup::RecordingErrorBox* errors = nullptr;

// Checks the window after it has shown the line it decoded into LineBuffer, given the fields and
// the right answer it held before.
void checkShown(const TForm1& form, const quorvant::QuestionFieldSlots& before, int rightBefore) {
    static quorvant::QuestionFieldSlots lineFields;
    const int reached = quorvant::splitQuestionFields(form.LineBuffer, lineFields);
    int right = rightBefore;
    for (int k = 1; k <= 6; ++k) {
        std::string expected = k <= reached ? lineFields[k] : before[k];
        if (k >= 3 && !expected.empty() && expected.front() == '#') {
            right = k - 2;
            expected.erase(0, 1);
        }
        if (form.QuestionFields[k] != expected) __builtin_trap();
    }
    if (form.CorrectIndex != right) __builtin_trap();
    const tk::Label* const labels[] = {form.Label1, nullptr, form.Label2, form.Label3, form.Label4, form.Label5};
    for (int k = 1; k <= 6; ++k)
        if (labels[k - 1] && labels[k - 1]->caption() != form.QuestionFields[k]) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz_setup::enterTempFolder(argc, argv, "question_show");
    // Qt keeps memory across a drawing, which the check after each input would take for a leak;
    // the check at the end of the run stays.
    fuzz_setup::addDefaultFlags(argc, argv, {"-detect_leaks=0"});
    tk::setSeedSource([] { return 1u; });
    errors = &fuzz_setup::startApplication(argc, argv, "question_show_fuzzer");
    static testing_support::FakeMediaBackend silence;
    static const auto windows = createWindows();  // for the whole run, as in the program
    Form1->Show();
    if (!errors->messages.empty()) std::abort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::ofstream("spisok.txt", std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    TForm1& form = *Form1;
    errors->messages.clear();
    form.QuestionListFile.Assign("spisok.txt");
    form.QuestionListFile.Reset();
    form.GameActive = true;
    for (int count = 0; count < quorvant::kQuestionsPerGame; ++count) {
        const auto before = form.QuestionFields;
        const int rightBefore = form.CorrectIndex;
        form.AnsweredCount = count;
        tk::dispatch([&form] { form.vopros(); });
        if (!errors->messages.empty()) __builtin_trap();
        checkShown(form, before, rightBefore);
        if (form.Label6->caption() != "Вопрос № "_cp + std::to_string(count + 1)) __builtin_trap();
    }
    form.grab();  // draws what the lines left on the window, as the screen would
    // After the last question the list is read once more and closed, and nothing more is shown.
    form.AnsweredCount = quorvant::kQuestionsPerGame;
    const auto shown = form.QuestionFields;
    tk::dispatch([&form] { form.vopros(); });
    if (!errors->messages.empty() || form.QuestionListFile.isOpen() || form.QuestionFields != shown) __builtin_trap();
    return 0;
}
