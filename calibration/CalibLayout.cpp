// Where the axis calibration's controls sit, and their tab order. The two buttons of each pair
// share their place: only the one of the mode is shown.
#include "calibration/Calib.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kCalibLayout[] = {
    {"XFrame", 12, 12, 320, 116},
    {"XIntLab", 10, 24, 190, 20},  // in the frame
    {"XIntend", 206, 24, 100, 20},
    {"XMeasLab", 10, 54, 190, 20},
    {"XMeas", 206, 52, 100, 24},
    {"XCalLab", 10, 86, 190, 20},
    {"XCalib", 206, 86, 100, 20},
    {"YFrame", 12, 136, 320, 116},
    {"YIntLab", 10, 24, 190, 20},  // in the frame
    {"YIntend", 206, 24, 100, 20},
    {"YMeasLab", 10, 54, 190, 20},
    {"YMeas", 206, 52, 100, 24},
    {"YCalLab", 10, 86, 190, 20},
    {"YCalib", 206, 86, 100, 20},
    {"SetCal(0)", 346, 18, 250, 28},
    {"SetCal(1)", 346, 18, 250, 28},
    {"ResetCal(0)", 346, 52, 250, 28},
    {"ResetCal(1)", 346, 52, 250, 28},
    {"CalPlot", 346, 86, 250, 28},
    {"CarriageCal", 346, 120, 250, 28},
    {"btnSensorCal", 346, 154, 250, 28},
    {"ModeSwitchButton", 346, 188, 250, 28},
    {"CalDone", 346, 222, 250, 28},
    {"StatusBar", 0, 262, 608, 24},
};

}  // namespace

void Calib::Layout() {
  ApplyLayout(*this, 608, 286, kCalibLayout);
  CalDone.SetCancel(true);
  forms::MakeHintLine(StatusBar);
}

}  // namespace taskhelm
