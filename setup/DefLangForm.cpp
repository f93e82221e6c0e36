// The HP-GL origin window's behaviour.
#include "setup/DefLangForm.h"

#include "setup/StatusHints.h"
#include "startup/App.h"

namespace taskhelm {

namespace {
constexpr const char* kCornerHint = "Default. Based on HPGL 7475.";
constexpr const char* kCenterHint = "Based on HPGL 7596.";
constexpr const char* kOkHint = "Select the setting.";
}  // namespace

DefLangForm::DefLangForm(App& app) : forms::Form(app.host, "DefLangForm"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  MouseMove = [this] { StatusBar.SetText(" "); };
  HPGL7475.Click = [this] { HPGL7475_Click(); };
  HPGL7596.Click = [this] { HPGL7596_Click(); };
  LangOK.Click = [this] { LangOK_Click(); };
  LangCancel.Click = [this] { LangCancel_Click(); };
  WireHints(app_, StatusBar,
            {{&HPGL7475, kCornerHint},
             {&HPGL7596, kCenterHint},
             {&LangOK, kOkHint},
             {&LangCancel, "Close this window."}});
}

void DefLangForm::Form_Load() {
  SharedState& s = app_.s;
  SetCaption(app_.T("HPGL Setting"));
  Frame3D12.SetCaption(app_.T("Origin Location"));
  HPGL7475.SetCaption(app_.T("Corner"));
  HPGL7596.SetCaption(app_.T("Center"));
  LangOK.SetCaption(app_.T("OK"));
  LangCancel.SetCaption(app_.T("Cancel"));
  OriginalMode = s.HpglMode;
  s.HpglModeChanged = false;
  // Cleared first, so that the selection runs its click as on a first load.
  HPGL7475.SetValue(false);
  HPGL7596.SetValue(false);
  if (s.HpglMode == 1)
    HPGL7475.SetValue(true);
  else
    HPGL7596.SetValue(true);
}

// The settings windows load this window invisibly to set its options from HpglMode, maybe long
// before it is shown: what counts as a change is measured from the showing.
void DefLangForm::Form_Activate() {
  OriginalMode = app_.s.HpglMode;
  app_.s.HpglModeChanged = false;
}

void DefLangForm::HPGL7475_Click() {
  ShowHint(app_, StatusBar, kCornerHint);
  app_.s.HpglMode = 1;
}

void DefLangForm::HPGL7596_Click() {
  ShowHint(app_, StatusBar, kCenterHint);
  app_.s.HpglMode = 0;
}

void DefLangForm::LangOK_Click() {
  SharedState& s = app_.s;
  ShowHint(app_, StatusBar, kOkHint);
  if (s.HpglMode == 0) {
    std::string question =
        app_.T("Are you sure you want HPGL 7596, with the origin at the center?  ") + "\n\n" +
        app_.T("                   If Yes, ensure that the Panel Size is correct.  ");
    if (app_.MsgBox(question, forms::MsgButtons::YesNo, forms::MsgIcon::Exclamation,
                    app_.T("Caution")) == forms::MsgAnswer::No) {
      s.HpglMode = 1;
      HPGL7475.SetValue(true);
    }
  }
  if (s.HpglMode != OriginalMode) {
    s.SettingsSent = false;
    s.HpglModeChanged = true;
    app_.MsgBox(app_.T("HPGL Setting will be changed when plotter is updated."),
                forms::MsgButtons::OK, forms::MsgIcon::None, app_.T("HPGL Setting"));
  }
  Unload();
}

void DefLangForm::LangCancel_Click() { Unload(); }

}  // namespace taskhelm
