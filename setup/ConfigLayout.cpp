// Where the Setup window's controls sit, and their tab order.
#include "setup/Config.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kConfigLayout[] = {
    {"Label1", 12, 10, 200, 18},
    {"PlotterList", 12, 30, 200, 178},
    {"PresentChk", 12, 216, 200, 22},
    {"Com1", 228, 30, 80, 22},
    {"Com2", 228, 56, 80, 22},
    {"Com3", 228, 82, 80, 22},
    {"Com4", 228, 108, 80, 22},
    {"Com5", 316, 30, 80, 22},
    {"Com6", 316, 56, 80, 22},
    {"Com7", 316, 82, 80, 22},
    {"Com8", 316, 108, 80, 22},
    {"LPT(0)", 228, 144, 80, 22},
    {"LPT(1)", 228, 170, 80, 22},
    {"LPT(2)", 316, 144, 80, 22},
    {"LPT(3)", 316, 170, 80, 22},
    {"ConfigOK", 228, 212, 80, 28},
    {"ConfigCancel", 316, 212, 80, 28},
    {"StatusBar", 0, 252, 432, 24},  // wide enough for the longest Spanish hint
    {"cmdPortResource", 12, 216, 24, 22},
};

}  // namespace

void Config::Layout() {
  ApplyLayout(*this, 432, 276, kConfigLayout);
  // No Escape button: Cancel ends the program or connects again, never only closes the window.
  forms::MakeHintLine(StatusBar);
}

}  // namespace taskhelm
