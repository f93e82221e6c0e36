#pragma once
// Every model-dependent constant beyond name and family: limits, defaults, accepted
// identifications.
#include "link/Models.h"

namespace taskhelm {

class App;

void InitModelTable(App& app);
void SetModelDefaults(App& app);
// The profile row of ModelCode (force limits, panel maxima, calibration Y length, wording).
void ApplyModelProfile(App& app);

}  // namespace taskhelm
