// The wording of the roll-feed window's two model lines: the roll-feed cutter (model 35) and the
// older line the window also serves.
#include "rollfeed/StoogMoa.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

struct LineWording {
  const char* tempSendPrompt;
  const char* permSendPrompt;
  const char* updateTitle;
  const char* notSentText;
  const char* updateQuestion;
  const char* exitQuestion;
  const char* testCutText;
  const char* disconnectText;
  const char* portTestTitle;
  const char* portTestStep1;
  const char* portTestStep2;
  const char* portTestStep4;
};

constexpr LineWording kModel35{
    "Temporarily change MarveskK settings.",
    "Permanently change MarveskK defaults.",
    "Update MarveskK ",
    "Latest changes not sent to the MarveskK.",
    "Do you want to update the MarveskK?",
    "Exit without updating the MarveskK?",
    "Turn the MarveskK and connect the Diagnostic Module",
    "Disconnect the MarveskK and connect the Diagnostic Module",
    "MarveskK Port Test",
    "1. Connect the Diagnostic Module to the MarveskK port.",
    "2. Turn the MarveskK on while holding down the Test Cut",
    "4. Turn off the MarveskK.",
};

constexpr LineWording kBaseLine{
    "Temporarily change Marvesk settings.",
    "Permanently change Marvesk defaults.",
    "Update Marvesk 5",
    "Latest settings have not been sent.",
    "Do you want to update the Marvesk?",
    "Exit without updating Marvesk 5?",
    "Turn Marvesk 5 on while holding down the Test Cut key",
    "Disconnect Marvesk 5 and connect the Diagnostic Module",
    "Marvesk 5 Port Test",
    "1. Connect the Diagnostic Module to the Marvesk 5 port.",
    "2. Turn the Marvesk 5 on while holding down the Test Cut",
    "4. Turn off the Marvesk 5.",
};

template <class Translate>
ModelWording Worded(const LineWording& w, Translate T) {
  ModelWording m;
  m.TempSendPrompt = T(w.tempSendPrompt);
  m.PermSendPrompt = T(w.permSendPrompt);
  m.UpdateTitle = T(w.updateTitle);
  m.NotSentText = T(w.notSentText);
  m.UpdateQuestion = T(w.updateQuestion);
  m.ExitQuestion = T(w.exitQuestion);
  m.TestCutText = T(w.testCutText);
  m.DisconnectText = T(w.disconnectText);
  m.PortTestTitle = T(w.portTestTitle);
  m.PortTestStep1 = T(w.portTestStep1);
  m.PortTestStep2 = T(w.portTestStep2);
  m.PortTestStep4 = T(w.portTestStep4);
  return m;
}

}  // namespace

void StoogMoa::InitM_KStrings() {
  Wording = Worded(kModel35, [this](const char* english) { return T(english); });
}

void StoogMoa::SetBaseModelTexts() {
  Wording = Worded(kBaseLine, [this](const char* english) { return T(english); });
}

}  // namespace taskhelm
