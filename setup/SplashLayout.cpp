// Where the start-up window's controls sit.
#include "setup/FormLayout.h"
#include "setup/Splash.h"

namespace taskhelm {

namespace {

constexpr Placement kSplashLayout[] = {
    {"Picture1", 20, 16, 320, 120},
    {"Check", 20, 148, 320, 20},
    {"Stby", 20, 172, 320, 20},
};

}  // namespace

void Splash::Layout() {
  ApplyLayout(*this, 360, 208, kSplashLayout);
  SetBorderless(true);
}

}  // namespace taskhelm
