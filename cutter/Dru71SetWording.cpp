// The wording of the cutter line.
#include "cutter/Dru71Set.h"

namespace taskhelm {

namespace {

constexpr LineWording kSignCutLine{
    .TempSendPrompt = "Temporarily change cutter settings.",
    .PermSendPrompt = "Permanently change cutter defaults.",
    .UpdateTitle = "Update cutter ",
    .NotSentText = "Latest changes not sent to the cutter.",
    .UpdateQuestion = "Do you want to update the cutter?",
    .ExitQuestion = "Exit without updating the cutter?",
    .SerialTestTitle = "Serial Test",
    .TestCutText = "Turn cutter on while holding down the Test Cut key",
    .DisconnectText = "Disconnect the cutter and connect the serial Diagnostic Module",
    .PortTestTitle = "Cutter Serial Port Test",
    .PortTestStep1 = "1. Connect the Diagnostic Module to the cutter's serial port.",
    .PortTestStep2 = "2. Turn the cutter on while holding down the Test Cut",
    .PortTestStep4 = "4. Turn off the cutter.",
};

}  // namespace

void Dru71Set::InitSignCutStrings() { UseWording(kSignCutLine); }

}  // namespace taskhelm
