// Where the sensor calibration's controls sit, and their tab order.
#include "calibration/SensorCal.h"
#include "setup/FormLayout.h"

namespace taskhelm {

namespace {

constexpr Placement kSensorCalLayout[] = {
    {"Frame1", 12, 12, 260, 140},
    {"Label1", 10, 24, 170, 20},  // in the frame
    {"Label5", 186, 24, 64, 20},
    {"Label2", 10, 52, 170, 20},
    {"Label6", 186, 52, 64, 20},
    {"Label3", 10, 80, 170, 20},
    {"Label7", 186, 80, 64, 20},
    {"Label4", 10, 108, 170, 20},
    {"Label8", 186, 108, 64, 20},
    {"Frame2", 284, 12, 200, 96},
    {"Label9", 10, 28, 20, 20},  // in the frame
    {"txtXSensorAdjust", 34, 26, 90, 24},
    {"Label12", 130, 28, 50, 20},
    {"Label10", 10, 60, 20, 20},
    {"txtYSensorAdjust", 34, 58, 90, 24},
    {"Label11", 130, 60, 50, 20},
    {"btnSendSensorAdjust", 284, 118, 200, 28},
    {"Command1", 12, 164, 260, 28},
    {"Command2", 284, 164, 200, 28},
};

}  // namespace

void SensorCal::Layout() {
  ApplyLayout(*this, 496, 204, kSensorCalLayout);
  Command2.SetCancel(true);
}

}  // namespace taskhelm
