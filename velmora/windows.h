#pragma once
// The program's eight windows, created in their fixed order and living as long as this object;
// Form1 to Form8 point at them meanwhile.
#include <memory>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TForm8;

class ProgramWindows {
public:
    ProgramWindows(const ProgramWindows&) = delete;
    ProgramWindows& operator=(const ProgramWindows&) = delete;
    ~ProgramWindows();

private:
    friend std::unique_ptr<ProgramWindows> createWindows();
    ProgramWindows();

    std::unique_ptr<TForm1> form1_;
    std::unique_ptr<TForm2> form2_;
    std::unique_ptr<TForm3> form3_;
    std::unique_ptr<TForm4> form4_;
    std::unique_ptr<TForm5> form5_;
    std::unique_ptr<TForm6> form6_;
    std::unique_ptr<TForm7> form7_;
    std::unique_ptr<TForm8> form8_;
};

// Creates the windows in order: main game window, loss, win, "75%" hint, settings, statistics,
// correct answer, trainer. Each window's creation may already use the ones before it.
std::unique_ptr<ProgramWindows> createWindows();
