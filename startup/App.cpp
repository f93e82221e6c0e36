#include "startup/App.h"

namespace taskhelm {

App::App(const Platform& platform)
    : host(platform.host),
      clock(platform.clock),
      line(platform.line),
      parlink(platform.parlink),
      regional(platform.regional),
      programFolder(platform.programFolder),
      T(platform.edition),
      port(*this) {}

// Windows go first: their destructors may still reach the state and the port.
App::~App() { windows_.clear(); }

forms::MsgAnswer App::MsgBox(const std::string& text, forms::MsgButtons buttons,
                             forms::MsgIcon icon, const std::string& title) {
  return host.MsgBox(text, buttons, icon, title.empty() ? std::string(kProgramTitle) : title);
}

void App::ErrorBox(const std::string& text, const std::string& title, bool beep) {
  if (beep) Beep();
  MsgBox(text, forms::MsgButtons::OK, forms::MsgIcon::Exclamation, title);
}

std::string App::IniPath() const {
  if (programFolder.empty() || programFolder.back() == '/') return programFolder + kIniFileName;
  return programFolder + "/" + kIniFileName;
}

}  // namespace taskhelm
