#include "link/LinkContext.h"

namespace taskhelm {

LinkContext::LinkContext(forms::Host& host, platform::Clock& clock, platform::SerialLine& line,
                         platform::Parlink& parlink, texts::Edition edition)
    : host(host), clock(clock), line(line), parlink(parlink), T(edition), port(*this) {}

forms::MsgAnswer LinkContext::MsgBox(const std::string& text, forms::MsgButtons buttons,
                                     forms::MsgIcon icon, const std::string& title) {
  return host.MsgBox(text, buttons, icon, title.empty() ? std::string(kProgramTitle) : title);
}

void LinkContext::ErrorBox(const std::string& text, const std::string& title, bool beep) {
  if (beep) Beep();
  MsgBox(text, forms::MsgButtons::OK, forms::MsgIcon::Exclamation, title);
}

}  // namespace taskhelm
