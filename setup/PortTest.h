#pragma once
// The test command of the settings windows' menus: instructions, then the test window.
#include <cstdint>

namespace taskhelm {

class App;

// mode 1: the computer-port test with the diagnostic plug; any other mode: the communication test
// with the device in its echo mode. True when the test window was shown.
bool StartPortTest(App& app, int16_t mode, bool isPlotter);

}  // namespace taskhelm
