// The wording of the roll-feed window's two model lines: the roll-feed cutter (model 35) and the
// older line the window also serves.
#include "rollfeed/StoogMoa.h"

namespace taskhelm {

namespace {

constexpr LineWording kModel35{
    .TempSendPrompt = "Temporarily change MarveskK settings.",
    .PermSendPrompt = "Permanently change MarveskK defaults.",
    .UpdateTitle = "Update MarveskK ",
    .NotSentText = "Latest changes not sent to the MarveskK.",
    .UpdateQuestion = "Do you want to update the MarveskK?",
    .ExitQuestion = "Exit without updating the MarveskK?",
    .TestCutText = "Turn the MarveskK and connect the Diagnostic Module",
    .DisconnectText = "Disconnect the MarveskK and connect the Diagnostic Module",
    .PortTestTitle = "MarveskK Port Test",
    .PortTestStep1 = "1. Connect the Diagnostic Module to the MarveskK port.",
    .PortTestStep2 = "2. Turn the MarveskK on while holding down the Test Cut",
    .PortTestStep4 = "4. Turn off the MarveskK.",
};

constexpr LineWording kBaseLine{
    .TempSendPrompt = "Temporarily change Marvesk settings.",
    .PermSendPrompt = "Permanently change Marvesk defaults.",
    .UpdateTitle = "Update Marvesk 5",
    .NotSentText = "Latest settings have not been sent.",
    .UpdateQuestion = "Do you want to update the Marvesk?",
    .ExitQuestion = "Exit without updating Marvesk 5?",
    .TestCutText = "Turn Marvesk 5 on while holding down the Test Cut key",
    .DisconnectText = "Disconnect Marvesk 5 and connect the Diagnostic Module",
    .PortTestTitle = "Marvesk 5 Port Test",
    .PortTestStep1 = "1. Connect the Diagnostic Module to the Marvesk 5 port.",
    .PortTestStep2 = "2. Turn the Marvesk 5 on while holding down the Test Cut",
    .PortTestStep4 = "4. Turn off the Marvesk 5.",
};

}  // namespace

void StoogMoa::InitM_KStrings() { UseWording(kModel35); }

void StoogMoa::SetBaseModelTexts() { UseWording(kBaseLine); }

}  // namespace taskhelm
