#pragma once
// The controls that the cutter window and the roll-feed window both have, declared once: the
// numeric fields of a knife machine beyond those of every settings window (box, spin, caption
// label), the tag-board box, the read
// button and the menu items both add. Each of the two windows derives from it after the frame,
// so the controls join the window's form.
#include "cutter/frame/SettingsWindow.h"
#include "forms/Controls.h"
#include "forms/Menu.h"

namespace taskhelm {

class KnifeControls {
 private:
  forms::Form* form_;  // first: the members below are built on it

 public:
  explicit KnifeControls(SettingsWindow& window) : form_(&window), menus_(window) {}
  KnifeControls(const KnifeControls&) = delete;
  KnifeControls& operator=(const KnifeControls&) = delete;

 private:
  SettingsWindow& menus_;

 public:
  forms::TextBox LoopSize{form_, "LoopSize"};
  forms::SpinButton LoopSizeSpin{form_, "LoopSizeSpin"};
  forms::Label LoopSizeLab{form_, "LoopSizeLab"};
  forms::TextBox CutLength{form_, "CutLength"};
  forms::SpinButton CutLengthSpin{form_, "CutLengthSpin"};
  forms::Label CutLengthLab{form_, "CutLengthLab"};
  forms::TextBox BlankLength{form_, "BlankLength"};
  forms::SpinButton BlankLengthSpin{form_, "BlankLengthSpin"};
  forms::Label BlankLengthLab{form_, "BlankLengthLab"};
  forms::Label AccelLabel{form_, "AccelLabel"};
  forms::Label UpDelLabel{form_, "UpDelLabel"};
  forms::Label DownDelLab{form_, "DownDelLab"};
  forms::TextBox Overcut{form_, "Overcut"};
  forms::SpinButton OvercutSpin{form_, "OvercutSpin"};
  forms::Label OvercutLab{form_, "OvercutLab"};
  forms::TextBox Offset{form_, "Offset"};
  forms::SpinButton OffsetSpin{form_, "OffsetSpin"};
  forms::Label OffsetLab{form_, "OffsetLab"};
  forms::TextBox MinAng{form_, "MinAng"};
  forms::SpinButton MinAngSpin{form_, "MinAngSpin"};
  forms::Label MinAngLab{form_, "MinAngLab"};

  forms::CheckBox CutEnable{form_, "CutEnable"};
  forms::CommandButton UpdateDisplay{form_, "UpdateDisplay"};

  forms::MenuItem DsplyKnifeCom{form_, "DsplyKnifeCom", &menus_.DsplyMenu};
  forms::MenuItem DisplayFilter{form_, "DisplayFilter", &menus_.OptionMenu};
  forms::MenuItem DisplayLang{form_, "DisplayLang", &menus_.OptionMenu};
};

}  // namespace taskhelm
