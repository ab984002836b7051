#pragma once
// The lifelines of the main window ("50/50", two "75%", "100%"; their handlers are methods of
// TForm1) and the "75%" hint window.
#include "question_bank.h"

#include "toolkit/controls.h"
#include "toolkit/form.h"

#include <string>

// The common selection of the lifelines: k is the place of the right answer (the last one, when
// several answers carry its text), m a wrong answer chosen uniformly among the wrong ones.
struct LifelineSelection {
    int k = 1;
    int m = 1;
};
LifelineSelection SelectAnswers(const AnswerSet& Answers, const std::string& CorrectAnswer);

class TForm4 : public tk::Form {
public:
    TForm4();

    tk::Label* Label1 = nullptr;
    tk::Label* Label2 = nullptr;  // the hint: the text of one answer
    tk::Label* Label3 = nullptr;
};

extern TForm4* Form4;
