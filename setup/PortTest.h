#pragma once
// The test command of the settings windows' menus: instructions, then the test window.
#include <cstdint>

namespace taskhelm {

class App;

// Which device family a text names: the cutters and the roll-feed cutter, or the pen plotters.
enum class DeviceWording { Cutter, Plotter };

// mode 1: the computer-port test with the diagnostic plug; any other mode: the communication test
// with the device in its echo mode. True when the test window was shown.
bool StartPortTest(App& app, int16_t mode, DeviceWording wording);

}  // namespace taskhelm
