#pragma once
// Bringing the configured model online at start-up and after the Setup window.
namespace taskhelm {

class App;

// Sets the profile of ModelCode, checks the device, reads its settings or falls back to the defaults.
bool ConnectDevice(App& app, bool quiet);

}  // namespace taskhelm
