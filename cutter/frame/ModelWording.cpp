#include "cutter/frame/ModelWording.h"

#include <array>

namespace taskhelm {

namespace {

// One row per device line, in the order of DeviceLine.
constexpr std::array<LineWording, 4> kLines{{
    // The cutters.
    {.TempSendPrompt = "Temporarily change cutter settings.",
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
     .PortTestStep4 = "4. Turn off the cutter."},
    // The roll-feed cutter with tag-board cutout (model 35).
    {.TempSendPrompt = "Temporarily change MarveskK settings.",
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
     .PortTestStep4 = "4. Turn off the MarveskK."},
    // The older roll-feed line the roll-feed window also serves.
    {.TempSendPrompt = "Temporarily change Marvesk settings.",
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
     .PortTestStep4 = "4. Turn off the Marvesk 5."},
    // The pen plotters: only the sends, file commands and exit.
    {.TempSendPrompt = "Temporarily change Plotter settings?",
     .PermSendPrompt = "Permanently change Plotter settings?",
     .UpdateTitle = "Update Plotter",
     .NotSentText = "Latest changes not sent to the Plotter.",
     .UpdateQuestion = "Do you want to update Plotter?",
     .ExitQuestion = "Exit without updating Plotter?"},
}};

}  // namespace

const LineWording& WordingOf(DeviceLine line) { return kLines[static_cast<size_t>(line)]; }

ModelWording Worded(const LineWording& line,
                    const std::function<std::string(const char* english)>& T) {
  const auto text = [&T](const char* english) { return english ? T(english) : std::string(); };
  return {
      .TempSendPrompt = text(line.TempSendPrompt),
      .PermSendPrompt = text(line.PermSendPrompt),
      .UpdateTitle = text(line.UpdateTitle),
      .NotSentText = text(line.NotSentText),
      .UpdateQuestion = text(line.UpdateQuestion),
      .ExitQuestion = text(line.ExitQuestion),
      .SerialTestTitle = text(line.SerialTestTitle),
      .TestCutText = text(line.TestCutText),
      .DisconnectText = text(line.DisconnectText),
      .PortTestTitle = text(line.PortTestTitle),
      .PortTestStep1 = text(line.PortTestStep1),
      .PortTestStep2 = text(line.PortTestStep2),
      .PortTestStep4 = text(line.PortTestStep4),
  };
}

}  // namespace taskhelm
