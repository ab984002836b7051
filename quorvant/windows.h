#pragma once
// The program's five windows, created in their fixed order and living as long as this object;
// Form1 to Form5 point at them meanwhile.
#include <memory>

class TForm1;
class TForm2;
class TForm3;
class TForm4;
class TForm5;

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
};

// Creates the windows in order: main game window, credits, help, contact, message panel.
// Creating the main window opens the background music.
std::unique_ptr<ProgramWindows> createWindows();
