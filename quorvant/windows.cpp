#include "windows.h"

#include "info_windows.h"
#include "main_window.h"
#include "message_panel.h"

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
}

ProgramWindows::~ProgramWindows() {
    destroy(form5_, Form5);
    destroy(form4_, Form4);
    destroy(form3_, Form3);
    destroy(form2_, Form2);
    destroy(form1_, Form1);
}

std::unique_ptr<ProgramWindows> createWindows() { return std::unique_ptr<ProgramWindows>(new ProgramWindows); }
