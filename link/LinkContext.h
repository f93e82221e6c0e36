#pragma once
// What the port layer and the protocol modules reach of the program: the host's pump and boxes,
// the clock, the two lines, the wording, the shared state and the port layer itself. The
// application object is one; nothing here knows a window.
#include <string>

#include "forms/Host.h"
#include "link/PortLayer.h"
#include "link/SharedState.h"
#include "platform/Clock.h"
#include "platform/Parlink.h"
#include "platform/SerialLine.h"
#include "texts/Texts.h"

namespace taskhelm {

inline constexpr const char* kProgramTitle = "rendix48";

class LinkContext {
 public:
  LinkContext(forms::Host& host, platform::Clock& clock, platform::SerialLine& line,
              platform::Parlink& parlink, texts::Edition edition);
  LinkContext(const LinkContext&) = delete;
  LinkContext& operator=(const LinkContext&) = delete;

  forms::Host& host;
  platform::Clock& clock;
  platform::SerialLine& line;
  platform::Parlink& parlink;
  texts::Catalogue T;  // T("English text") gives this edition's wording
  SharedState s;       // the program-wide variables
  // The model's row, in step with s.ModelCode: the family, quirks and wording windows ask for.
  const HeldModel& model = s.ModelCode;
  PortLayer port;

  // Message box; an empty title gives the program's title.
  forms::MsgAnswer MsgBox(const std::string& text, forms::MsgButtons buttons, forms::MsgIcon icon,
                          const std::string& title = {});
  // The exclamation box most failures show, after a beep when asked.
  void ErrorBox(const std::string& text, const std::string& title, bool beep = true);
  void SetPointer(forms::Pointer pointer) { host.SetPointer(pointer); }
  void Beep() { host.Beep(); }

 protected:
  ~LinkContext() = default;
};

}  // namespace taskhelm
