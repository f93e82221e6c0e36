#pragma once
// How the settings windows open the servo tuner.
namespace taskhelm {

class App;

// The servo tuner, modeless: created on first use, brought forward when already open.
void ShowServoTuner(App& app);

}  // namespace taskhelm
