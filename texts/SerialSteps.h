#pragma once
// The step-by-step instructions the port test shows, one text per kind of test and device.
namespace taskhelm::serial_steps {

inline constexpr const char* kComputerPort =
    "1. Verify port selected is correct.\r\n"
    "\r\n"
    "2. Verify the CTS handshake line is ON.\r\n"
    "\r\n"
    "3. Press any key on the computer keyboard.\r\n"
    "    Verify Character Transmitted equals Character Received.";

inline constexpr const char* kCutter =
    "1. Verify port selected is correct.\r\n"
    "\r\n"
    "2. Press the Start/Stop key on the cutter.   Cutter will beep and toggle \r\n"
    "     the red light.  If testing the Serial port, verify the CTS handshake \r\n"
    "     line toggles ON/OFF.  Leave CTS in the ON state, with Red light off.\r\n"
    "\r\n"
    "3. Press the Repeat key on the cutter, the Green light will come\r\n"
    "     on to indicate Echo mode.  Press any key on the computer\r\n"
    "     keyboard.  Verify Character Transmitted equals Character\r\n"
    "     Received.  Cutter will beep.";

inline constexpr const char* kPenPlotter =
    "1. Verify port selected is correct.\r\n"
    "\r\n"
    "2. Press the Start/Stop key on Plotter.  Verify the CTS handshake line\r\n"
    "    toggles ON/OFF.  Plotter will beep and toggle the Red light.\r\n"
    "     Leave CTS in the ON state, with Red light off.\r\n"
    "\r\n"
    "3. Press the Roll key on the Plotter, the green light will come\r\n"
    "     on to indicate Echo mode.  Press any key on the computer\r\n"
    "     keyboard.  Verify Character Transmitted equals Character\r\n"
    "    Received.  Plotter will beep.";

inline constexpr const char* kRollFeed =
    "1. Verify port selected is correct.\r\n"
    "\r\n"
    "2. Press the Start/Stop key on Marvesk.  Verify the CTS handshake line\r\n"
    "    toggles ON/OFF.  Marvesk will beep and toggle the Red light.\r\n"
    "     Leave CTS in the ON state, with Red light off.\r\n"
    "\r\n"
    "3. Press the Repeat key on Marvesk, the Green light will come\r\n"
    "     on to indicate Echo mode.  Press any key on the computer\r\n"
    "     keyboard.  Verify Character Transmitted equals Character\r\n"
    "    Received.  Marvesk will beep.";

}  // namespace taskhelm::serial_steps
