// Where the About window's controls sit.
#include "setup/About.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kAboutLayout[] = {
    {"AboutText", 16, 16, 348, 84},
    {"AboutOK", 150, 112, 80, 28},
};

}  // namespace

void About::Layout() {
  ApplyLayout(*this, 380, 152, kAboutLayout);
  AboutOK.SetCancel(true);
}

}  // namespace taskhelm
