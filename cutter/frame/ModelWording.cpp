#include "cutter/frame/ModelWording.h"

namespace taskhelm {

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
