#pragma once
// The frame of the two knife machines' windows (cutter and roll-feed): the settings-window frame
// and the controls both windows have beyond it, declared once: the numeric fields of a knife
// machine (box, spin, caption label), the tag-board box, the read button and the menu items
// both add.
#include <cstdint>
#include <string>
#include <utility>

#include "cutter/frame/SettingsWindow.h"
#include "forms/Controls.h"
#include "forms/Menu.h"

namespace taskhelm {

class KnifeWindow : public SettingsWindow {
 public:
  forms::TextBox LoopSize{this, "LoopSize"};
  forms::SpinButton LoopSizeSpin{this, "LoopSizeSpin"};
  forms::Label LoopSizeLab{this, "LoopSizeLab"};
  forms::TextBox CutLength{this, "CutLength"};
  forms::SpinButton CutLengthSpin{this, "CutLengthSpin"};
  forms::Label CutLengthLab{this, "CutLengthLab"};
  forms::TextBox BlankLength{this, "BlankLength"};
  forms::SpinButton BlankLengthSpin{this, "BlankLengthSpin"};
  forms::Label BlankLengthLab{this, "BlankLengthLab"};
  forms::Label AccelLabel{this, "AccelLabel"};
  forms::Label UpDelLabel{this, "UpDelLabel"};
  forms::Label DownDelLab{this, "DownDelLab"};
  forms::TextBox Overcut{this, "Overcut"};
  forms::SpinButton OvercutSpin{this, "OvercutSpin"};
  forms::Label OvercutLab{this, "OvercutLab"};
  forms::TextBox Offset{this, "Offset"};
  forms::SpinButton OffsetSpin{this, "OffsetSpin"};
  forms::Label OffsetLab{this, "OffsetLab"};
  forms::TextBox MinAng{this, "MinAng"};
  forms::SpinButton MinAngSpin{this, "MinAngSpin"};
  forms::Label MinAngLab{this, "MinAngLab"};

  forms::CheckBox CutEnable{this, "CutEnable"};
  forms::CommandButton UpdateDisplay{this, "UpdateDisplay"};

  forms::MenuItem DsplyKnifeCom{this, "DsplyKnifeCom", &DsplyMenu};
  forms::MenuItem DisplayFilter{this, "DisplayFilter", &OptionMenu};
  forms::MenuItem DisplayLang{this, "DisplayLang", &OptionMenu};

  // The lowest minimum angle accepted while the blade offset is below 30 mils (set by the
  // window's activation; the blade offset's field reads it).
  int16_t MinAngleFloor = 45;

 protected:
  // Wires the shared controls whose handlers are the frame's.
  KnifeWindow(App& app, std::string name, const SettingsWindowRules& rules)
      : SettingsWindow(app, std::move(name), rules) {
    UpdateDisplay.Click = [this] { DsplyPltrCom_Click(); };
    DsplyKnifeCom.Click = [this] { DsplyKnifeCom_Click(); };
    DisplayLang.Click = [this] { DisplayLang_Click(); };
  }
};

}  // namespace taskhelm
