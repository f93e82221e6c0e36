// Where the filtering window's controls sit, and their tab order.
#include "calibration/FilterForm.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kFilterFormLayout[] = {
    {"FilterEnable", 16, 24, 200, 24},
    {"FilterOK", 246, 18, 100, 28},
    {"FilterCancel", 246, 56, 100, 28},
    // Wide enough for the longest hint, the Spanish one of the ticked box.
    {"StatusBar", 0, 100, 480, 24},
};

}  // namespace

void FilterForm::Layout() {
  ApplyLayout(*this, 480, 124, kFilterFormLayout);
  FilterCancel.SetCancel(true);
  forms::MakeHintLine(StatusBar);
}

}  // namespace taskhelm
