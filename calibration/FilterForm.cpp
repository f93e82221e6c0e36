// The filtering window's behaviour.
#include "calibration/FilterForm.h"

#include "link/Identify.h"
#include "link/Models.h"
#include "link/ReplyList.h"
#include "platform/Numbers.h"
#include "setup/StatusHints.h"
#include "startup/App.h"

namespace taskhelm {

namespace {
constexpr int32_t kReplyLength = 3;  // parallel port
constexpr const char* kOnHint = "Default.  Especially useful with fonts.";
constexpr const char* kOffHint = "Preserves tiny vectors. ";
constexpr const char* kWindowHint = "Removes tiny imperfections.";
}  // namespace

FilterForm::FilterForm(App& app) : forms::Form(app.host, "FilterForm"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  MouseMove = [this] { ShowHint(app_, StatusBar, kWindowHint); };
  FilterEnable.Click = [this] { FilterEnable_Click(); };
  FilterOK.Click = [this] { FilterOK_Click(); };
  FilterCancel.Click = [this] { Unload(); };
  auto enableHint = [this] { ShowHint(app_, StatusBar, EnableHint()); };
  FilterEnable.GotFocus = enableHint;
  FilterEnable.MouseMove = enableHint;
  WireHints(app_, StatusBar,
            {{&FilterOK, "Select the setting."}, {&FilterCancel, "Close this window."}},
            "FilterForm");
}

const char* FilterForm::EnableHint() const { return FilterEnable.Value() ? kOnHint : kOffHint; }

void FilterForm::Form_Load() {
  SetCaption(app_.T("Filtering"));
  FilterEnable.SetCaption(app_.T("Filtering"));
  FilterOK.SetCaption(app_.T("OK"));
  FilterCancel.SetCaption(app_.T("Cancel"));
  ShownSetting = app_.s.FilterSetting;
  ShowHint(app_, StatusBar, kWindowHint);
  // This cutter filters always.
  if (app_.model.Has(ModelQuirk::AlwaysFilters)) {
    FilterEnable.SetEnabled(false);
    ShowHint(app_, StatusBar, kOnHint);
  }
}

void FilterForm::FilterEnable_Click() {
  app_.s.FilterSetting = FilterEnable.Value() ? 1 : 0;
  ShowHint(app_, StatusBar, EnableHint());
}

bool FilterForm::UpdateFilter() {
  std::string reply;
  // A reply without a number is no answer: read as 0 it would switch the filtering off.
  std::optional<float> setting;
  if (app_.port.Query("!OS@", reply, 13, kCommandTimeoutMs, kReplyLength))
    setting = ReplyNumber(reply);
  if (!setting) {
    app_.MsgBox(app_.T("Communication Error"), forms::MsgButtons::OK, forms::MsgIcon::Exclamation,
                app_.T("ERROR"));
    FilterEnable.SetValue(0);
    app_.s.FilterSetting = 0;
    return false;
  }
  app_.s.FilterSetting = platform::ToInteger(*setting);
  // The read that opens the window is the setting it found: the read-back after OK compares
  // with it, also for a device value other than 0 and 1.
  if (!Visible()) ShownSetting = app_.s.FilterSetting;
  // Ticking the opening's fresh box runs its click, so FilterSetting is then what the box shows.
  FilterEnable.SetValue(app_.s.FilterSetting != 0 ? 1 : 0);
  return true;
}

void FilterForm::FilterOK_Click() {
  SharedState& s = app_.s;
  const std::string command = "!SM" + std::to_string(s.FilterSetting & 1) + "@";
  if (!app_.port.SendString(command, kCommandTimeoutMs)) {
    // The send failed: the device keeps its filtering, so nothing changed.
    VerifyModel(app_, s.ModelCode);
  } else if (UpdateFilter() && s.FilterSetting != ShownSetting) {
    app_.MsgBox(app_.T("Filtering Setting temporarily changed."), forms::MsgButtons::OK,
                forms::MsgIcon::None, app_.T("Filtering"));
  }
  Unload();
}

}  // namespace taskhelm
