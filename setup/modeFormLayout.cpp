// Where the cutter-mode window's controls sit, and their tab order.
#include "setup/FormLayout.h"
#include "setup/modeForm.h"

namespace taskhelm {

namespace {

constexpr Placement kModeFormLayout[] = {
    {"Frame1", 12, 12, 220, 84},
    {"Signcutter", 12, 20, 190, 22},  // in the frame
    {"Marvesk", 12, 50, 190, 22},
    {"msOK", 246, 18, 80, 28},
    {"msCancel", 246, 56, 80, 28},
    {"msStatusBar", 0, 108, 338, 24},
};

}  // namespace

void modeForm::Layout() { ApplyLayout(*this, 338, 132, kModeFormLayout); }

}  // namespace taskhelm
