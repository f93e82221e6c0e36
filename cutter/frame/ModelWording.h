#pragma once
// The wording set of a settings window: prompts, titles and questions that name the device line.
// Each window fills it on activation from its own model line.
#include <string>

namespace taskhelm {

class App;

struct ModelWording {
  std::string TempSendPrompt;
  std::string PermSendPrompt;
  std::string UpdateTitle;
  std::string NotSentText;
  std::string UpdateQuestion;
  std::string ExitQuestion;
  std::string SerialTestTitle;
  std::string TestCutText;
  std::string DisconnectText;
  std::string PortTestTitle;
  std::string PortTestStep1;
  std::string PortTestStep2;
  std::string PortTestStep4;
};

// The cutter line's wording, in the edition's language.
ModelWording InitSignCutStrings(const App& app);

}  // namespace taskhelm
