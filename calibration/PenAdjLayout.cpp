// Where the pen-down adjustment's controls sit, and their tab order: the profile in two columns
// (forces left, delays right), then the pulse force in grams and the pen DAC, then the buttons.
#include "calibration/PenAdj.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kPenAdjLayout[] = {
    {"PFLabel", 12, 14, 200, 20},
    {"PF", 218, 12, 70, 24},
    {"SpinButton1", 290, 12, 20, 24},
    {"PDLabel", 342, 14, 200, 20},
    {"PD", 548, 12, 70, 24},
    {"SpinButton2", 620, 12, 20, 24},
    {"CFLabel", 12, 46, 200, 20},
    {"CF", 218, 44, 70, 24},
    {"SpinButton3", 290, 44, 20, 24},
    {"CDLabel", 342, 46, 200, 20},
    {"CD", 548, 44, 70, 24},
    {"SpinButton4", 620, 44, 20, 24},
    {"LFLabel", 12, 78, 200, 20},
    {"LF", 218, 76, 70, 24},
    {"SpinButton5", 290, 76, 20, 24},
    {"LDLabel", 342, 78, 200, 20},
    {"LD", 548, 76, 70, 24},
    {"SpinButton6", 620, 76, 20, 24},
    {"INFLabel", 12, 110, 200, 20},
    {"INF", 218, 108, 70, 24},
    {"SpinButton10", 290, 108, 20, 24},
    {"IDLabel", 342, 110, 200, 20},
    {"ID", 548, 108, 70, 24},
    {"SpinButton8", 620, 108, 20, 24},
    {"PFgramsLabel", 12, 150, 200, 20},
    {"PFgrams", 218, 148, 70, 24},
    {"PenDLabel", 342, 150, 200, 20},
    {"PenD", 548, 148, 70, 24},
    {"SpinButton7", 620, 148, 20, 24},
    {"Command1", 12, 188, 200, 28},
    {"Command2", 228, 188, 200, 28},
    {"Command3", 444, 188, 200, 28},
};

}  // namespace

void PenAdj::Layout() { ApplyLayout(*this, 652, 228, kPenAdjLayout); }

}  // namespace taskhelm
