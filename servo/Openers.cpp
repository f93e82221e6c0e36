#include "servo/Openers.h"

#include "servo/DSPForm.h"
#include "startup/App.h"

namespace taskhelm {

void ShowServoTuner(App& app) { app.Window<DSPForm>().Show(forms::ShowMode::Modeless); }

}  // namespace taskhelm
