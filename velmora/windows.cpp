#include "windows.h"

#include "correct_answer_window.h"
#include "lifelines.h"
#include "main_window.h"
#include "settings.h"
#include "statistics.h"
#include "trainer.h"

namespace {

template <typename Window>
void create(std::unique_ptr<Window>& owner, Window*& instance) {
    owner = std::make_unique<Window>();
    instance = owner.get();
}

template <typename Window>
void destroy(std::unique_ptr<Window>& owner, Window*& instance) {
    instance = nullptr;
    owner.reset();
}

}  // namespace

ProgramWindows::ProgramWindows() {
    create(form1_, Form1);
    create(form2_, Form2);
    create(form3_, Form3);
    create(form4_, Form4);
    create(form5_, Form5);
    create(form6_, Form6);
    create(form7_, Form7);
    create(form8_, Form8);
}

ProgramWindows::~ProgramWindows() {
    destroy(form8_, Form8);
    destroy(form7_, Form7);
    destroy(form6_, Form6);
    destroy(form5_, Form5);
    destroy(form4_, Form4);
    destroy(form3_, Form3);
    destroy(form2_, Form2);
    destroy(form1_, Form1);
}

std::unique_ptr<ProgramWindows> createWindows() { return std::unique_ptr<ProgramWindows>(new ProgramWindows); }
