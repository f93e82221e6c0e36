#pragma once
// The model row applied to the shared state: the accepted identifications, the profile, the
// factory values.
#include "link/Models.h"

namespace taskhelm {

class App;

void InitModelTable(App& app);
void SetModelDefaults(App& app);
// The profile row of ModelCode (force limits, panel maxima, calibration Y length, wording).
void ApplyModelProfile(App& app);

}  // namespace taskhelm
