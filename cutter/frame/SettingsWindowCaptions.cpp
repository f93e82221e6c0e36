// Captions of the controls and menu items every settings window has, and the one way a twin
// captions its own.
#include <stdexcept>
#include <string_view>

#include "cutter/frame/SettingsWindow.h"
#include "startup/App.h"

namespace taskhelm {

namespace {

constexpr CaptionRow kFrameCaptions[] = {
    {"EnglishButton", "English"},
    {"MetricButton", "Metric"},
    {"SendSettingTemp", "Temporary"},
    {"SendDefault", "Permanent"},
    {"FileMenu", "&File"},
    {"FileSendCom(0)", "Send &Cut/Plot File..."},
    {"FileSendCom(1)", "&Open Settings File..."},
    {"FileSep1", "-"},
    {"FileSaveCom", "Save Settings &As..."},
    {"FileSep2", "-"},
    {"ExitCom", "E&xit"},
    {"SetupMenu", "&Setup"},
    {"ConfigCom(0)", "Plotter  &Setup"},
    {"ConfigCom(1)", "&Port  Setup"},
    {"DsplyMenu", "&Display"},
    {"DsplyPltrCom", "&Plotter Settings"},
    {"DsplyFactCom", "&Factory Defaults"},
    {"DsplySep1", "-"},
    {"DsplyRomCom", "&ROM Version"},
    {"DsplyMemCom", "&Memory Buffer"},
    {"OptionMenu", "&Options"},
    {"CalMenu", "&Calibrate"},
    {"CalPltrCom", "Calibrate &Plotter..."},
    {"TestMenu", "&Test"},
    {"TstSerialCom(0)", "Communication &Test"},
    {"TstSerialCom(1)", "&Computer Port Test"},
    {"TstPortCom", "&Plotter Port Test"},
    {"HelpMenu", "&Help"},
    {"HelpCom", "&Contents"},
    {"HelpSep1", "-"},
    {"AboutCom", "&About"},
};

// False for a control without a caption.
bool SetControlCaption(forms::Control& control, const std::string& caption) {
  switch (control.Kind()) {
    case forms::ControlKind::Label: static_cast<forms::Label&>(control).SetCaption(caption); break;
    case forms::ControlKind::Frame: static_cast<forms::Frame&>(control).SetCaption(caption); break;
    case forms::ControlKind::CheckBox:
      static_cast<forms::CheckBox&>(control).SetCaption(caption);
      break;
    case forms::ControlKind::OptionButton:
      static_cast<forms::OptionButton&>(control).SetCaption(caption);
      break;
    case forms::ControlKind::CommandButton:
      static_cast<forms::CommandButton&>(control).SetCaption(caption);
      break;
    default: return false;
  }
  return true;
}

}  // namespace

void SettingsWindow::ShowCaptions(std::span<const CaptionRow> own) {
  Fields().ShowCaptions();
  for (std::span<const CaptionRow> rows : {std::span<const CaptionRow>(kFrameCaptions), own}) {
    for (const CaptionRow& row : rows) {
      // A separator's "-" is no text.
      const std::string caption =
          std::string_view(row.english) == "-" ? std::string(row.english) : T(row.english);
      if (forms::MenuItem* item = FindMenu(row.control)) {
        item->SetCaption(caption);
        continue;
      }
      forms::Control* control = FindControl(row.control);
      if (!control || !SetControlCaption(*control, caption))
        throw std::logic_error("captions of " + Name() + " name no captioned control " +
                               row.control);
    }
  }
}

}  // namespace taskhelm
