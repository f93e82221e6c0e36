#pragma once
// The one place that knows which settings window serves which model family.
#include "link/Models.h"

namespace taskhelm {

class App;

bool HasModelWindow(const HeldModel& model);
// Shows the settings window of ModelCode without modality (the program's main window from then).
void ShowModelWindow(App& app);
// Adjusts the model's window after a connection (loads it invisibly when needed).
void AdjustModelWindow(App& app);
// Selects the pen plotter's default mark option for ModelCode, with that option's effects.
void SelectDefaultMarkOption(App& app);

}  // namespace taskhelm
