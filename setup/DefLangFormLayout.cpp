// Where the HP-GL origin window's controls sit, and their tab order.
#include "setup/DefLangForm.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kDefLangFormLayout[] = {
    {"Frame3D12", 12, 12, 180, 84},
    {"HPGL7475", 12, 24, 150, 22},  // in the frame
    {"HPGL7596", 12, 52, 150, 22},
    {"LangOK", 206, 18, 80, 28},
    {"LangCancel", 206, 56, 80, 28},
    {"StatusBar", 0, 108, 298, 24},
};

}  // namespace

void DefLangForm::Layout() {
  ApplyLayout(*this, 298, 132, kDefLangFormLayout);
  LangCancel.SetCancel(true);
  forms::MakeHintLine(StatusBar);
}

}  // namespace taskhelm
