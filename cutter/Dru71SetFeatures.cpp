// The check-box settings of the cutter window: tag-board cutout, pounce, automatic loop and the
// tangential knife.
#include "cutter/Dru71Set.h"
#include "link/Models.h"
#include "startup/App.h"

namespace taskhelm {

using forms::MsgButtons;
using forms::MsgIcon;

void Dru71Set::CutAndBlankEnable() {
  SetEnabled({&CutLength, &CutLengthSpin, &BlankLength, &BlankLengthSpin},
             app.s.TagboardOn != 0 || app.s.PounceOn != 0);
}

void Dru71Set::CutEnable_Click() {
  SharedState& s = app.s;
  if (app.model.Has(ModelQuirk::CutterFeatures)) {
    if (CutEnable.Value() == 1) {
      if (s.TagboardOn == 0)
        app.MsgBox(app.T("For Tag Board Cutout set the maximum force to the upper limit."),
                   MsgButtons::OK, MsgIcon::None, app.T("Tag Board Cutout"));
      s.TagboardOn = 1;
      // Tag-board cutout and pounce exclude each other.
      PounceEnable.SetEnabled(false);
      PounceEnable.SetValue(0);
      fields_["CutLength"].ShowValue(s.CutLengthSetting);
      fields_["BlankLength"].ShowValue(s.BlankLengthSetting);
    } else {
      PounceEnable.SetEnabled(true);
      s.TagboardOn = 0;
    }
  }
  s.SettingsSent = false;
  CutAndBlankEnable();
}

void Dru71Set::PounceEnable_Click() {
  SharedState& s = app.s;
  if (app.model.Has(ModelQuirk::CutterFeatures)) {
    if (PounceEnable.Value() == 1) {
      if (s.PounceOn == 0) {
        app.MsgBox(app.T("If you enable pouncing in your sign making software,") +
                       app.T(" do not enable pouncing here.  For pouncing, we recommend setting "
                             "the acceleration to 0.5g's."),
                   MsgButtons::OK, MsgIcon::None, app.T("Pounce Enabled"));
        fields_["CutLength"].ShowValue(s.PounceCutLength);
        fields_["BlankLength"].ShowValue(s.PounceBlankLength);
      }
      s.PounceOn = 1;
      CutEnable.SetEnabled(false);
      CutEnable.SetValue(0);
    } else {
      s.PounceOn = 0;
      CutEnable.SetEnabled(true);
    }
  }
  s.SettingsSent = false;
  CutAndBlankEnable();
}

void Dru71Set::LoopEnable_Click() {
  SharedState& s = app.s;
  const bool on = LoopEnable.Value() == 1;
  if (on) {
    SetEnabled({&LoopSizeLab, &LoopSize, &LoopSizeSpin}, true);
    if (s.AutoLoopOn == 0)
      app.MsgBox(app.T("Check that Loop Size is correct."), MsgButtons::OK, MsgIcon::None,
                 app.T("Auto Loop Enabled"));
  } else {
    SetEnabled({&LoopSize, &LoopSizeSpin}, false);
  }
  s.AutoLoopOn = on ? 1 : 0;
  s.SettingsSent = false;
}

// The tangential box takes effect when the focus leaves it, not on the click itself.
void Dru71Set::TanEnable_LostFocus() {
  app.s.TangentialEnable = TanEnable.Value() == 1 ? 1 : 0;
  app.s.SettingsSent = false;
}

}  // namespace taskhelm
