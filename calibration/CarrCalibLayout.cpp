// Where the carriage calibration's controls sit, and their tab order.
#include "calibration/CarrCalib.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kCarrCalibLayout[] = {
    {"Frame3D1", 12, 12, 344, 150},
    {"ForceCalibLab", 10, 26, 210, 20},  // in the frame
    {"ForceCalib", 226, 24, 80, 24},
    {"ForceCalibSpin", 308, 24, 20, 24},
    {"DurationCalibLab", 10, 56, 210, 20},
    {"DurationCalib", 226, 54, 80, 24},
    {"DurationCalibSpin", 308, 54, 20, 24},
    {"ForceCoastLab", 10, 86, 130, 20},
    {"ForceCoastUnitLab", 140, 86, 84, 20},
    {"ForceCoast", 226, 84, 80, 24},
    {"ForceCoastSpin", 308, 84, 20, 24},
    {"DurationCoastLab", 10, 116, 130, 20},
    {"DurationUnitLab", 140, 116, 84, 20},
    {"DurationCoast", 226, 114, 80, 24},
    {"DurationCoastSpin", 308, 114, 20, 24},
    {"SetFactCarrCal", 370, 18, 250, 28},
    {"ResetFactCarrCal", 370, 52, 250, 28},
    {"CarCalPlot", 370, 86, 250, 28},
    {"DoneCarrCal", 370, 134, 250, 28},
};

}  // namespace

void CarrCalib::Layout() {
  ApplyLayout(*this, 632, 176, kCarrCalibLayout);
  DoneCarrCal.SetCancel(true);
}

}  // namespace taskhelm
