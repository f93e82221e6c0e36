#include "servo/Openers.h"

namespace taskhelm {

// The servo tuner is not built yet.
void ShowServoTuner(App&) {}

}  // namespace taskhelm
