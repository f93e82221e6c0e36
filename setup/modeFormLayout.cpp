// Where the cutter-mode window's controls sit, and their tab order.
#include "setup/FormLayout.h"
#include "setup/modeForm.h"

namespace taskhelm {

namespace {

constexpr Placement kModeFormLayout[] = {
    {"Frame1", 12, 12, 300, 84},
    {"Signcutter", 12, 20, 270, 22},  // in the frame
    {"Marvesk", 12, 50, 270, 22},
    {"msOK", 428, 18, 80, 28},
    {"msCancel", 428, 56, 80, 28},
    // Wide enough for the longest hint, the OK button's.
    {"msStatusBar", 0, 108, 520, 24},
};

}  // namespace

void modeForm::Layout() {
  ApplyLayout(*this, 520, 132, kModeFormLayout);
  msCancel.SetCancel(true);
  forms::MakeHintLine(msStatusBar);
}

}  // namespace taskhelm
