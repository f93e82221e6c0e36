// Where the port test window's controls sit, and their tab order.
#include "setup/FormLayout.h"
#include "setup/Serial.h"

namespace taskhelm {

namespace {

constexpr Placement kSerialLayout[] = {
    {"SerCom1", 12, 12, 70, 22},
    {"SerCom2", 12, 38, 70, 22},
    {"SerCom3", 12, 64, 70, 22},
    {"SerCom4", 12, 90, 70, 22},
    {"ParCom1", 92, 12, 84, 22},
    {"ParCom2", 92, 38, 84, 22},
    {"ParCom3", 92, 64, 84, 22},
    {"ParCom4", 92, 90, 84, 22},
    {"SerialExit", 452, 90, 90, 28},
    {"Label1", 184, 12, 150, 18},
    {"Tx", 340, 12, 40, 18},
    {"Label2", 184, 38, 150, 18},
    {"Rx", 340, 38, 40, 18},
    {"Label3", 184, 64, 150, 18},
    {"CTS", 340, 64, 40, 18},
    {"SerInstr", 12, 130, 530, 200},
};

}  // namespace

void Serial::Layout() {
  ApplyLayout(*this, 554, 342, kSerialLayout);
  SerialExit.SetCancel(true);
}

}  // namespace taskhelm
