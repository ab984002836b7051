#include "ladder.h"

#include "toolkit/convert.h"

namespace {

constexpr int LadderRightEdge = 630;
constexpr int LevelOneTop = 256;
constexpr int RowHeight = 16;

}  // namespace

tk::Label* makeLadderRung(QWidget* area, int level) {
    auto* label = new tk::Label(area, 0, LevelOneTop - RowHeight * (level - 1), tk::IntToStr(level),
                                {.bold = true, .color = tk::clSkyBlue});
    label->setOpaque(tk::clBtnFace);
    label->setAlignment(tk::Alignment::Right);
    label->setLeft(LadderRightEdge - label->width());
    return label;
}
