// Where the cornering window's controls sit, and their tab order.
#include "calibration/CornerForm.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kCornerFormLayout[] = {
    {"Frame3D12", 12, 12, 220, 84},
    {"Smooth", 12, 24, 190, 22},  // in the frame
    {"Speedy", 12, 52, 190, 22},
    {"CornerOK", 246, 18, 100, 28},
    {"CornerCancel", 246, 56, 100, 28},
    {"StatusBar", 0, 108, 360, 24},
};

}  // namespace

void CornerForm::Layout() {
  ApplyLayout(*this, 360, 132, kCornerFormLayout);
  CornerCancel.SetCancel(true);
  forms::MakeHintLine(StatusBar);
}

}  // namespace taskhelm
