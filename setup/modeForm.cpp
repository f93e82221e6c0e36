// The cutter-mode window's behaviour: "!MS@" reads the mode, "!MS0@" / "!MS1@" set it.
#include "setup/modeForm.h"

#include <optional>

#include "link/ReplyList.h"
#include "platform/Numbers.h"
#include "setup/StatusHints.h"
#include "startup/App.h"

namespace taskhelm {

namespace {
constexpr int32_t kModeTimeoutMs = 5000;
constexpr int32_t kModeReplyLength = 3;  // parallel port
}  // namespace

modeForm::modeForm(App& app) : forms::Form(app.host, "modeForm"), app_(app) {
  Layout();
  Load = [this] { Form_Load(); };
  Activate = [this] { Form_Activate(); };
  Signcutter.Click = [this] { Signcutter_Click(); };
  Signcutter.DblClick = [this] { Signcutter_Click(); };
  Marvesk.Click = [this] { Marvesk_Click(); };
  Marvesk.DblClick = [this] { Marvesk_Click(); };
  msOK.Click = [this] { msOK_Click(); };
  msCancel.Click = [this] { msCancel_Click(); };
  WireHints(app_, msStatusBar,
            {{&Signcutter, "Places Cutter in standard signcutting mode."},
             {&Marvesk, "Places cutter in special Marvesk mode."},
             {&msOK, "OK sends the command to change the cutter's mode, and closes the Taskhelm."},
             {&msCancel, "Close this window."}});
}

void modeForm::Form_Load() {
  SetCaption(app_.T("Cutter Mode Selection"));
  Signcutter.SetCaption(app_.T("Sign cutting mode"));
  Marvesk.SetCaption(app_.T("Marvesk mode"));
  msOK.SetCaption(app_.T("OK"));
  msCancel.SetCaption(app_.T("Cancel"));
}

// The mode is read when the window is shown: a window that closes itself for want of a reply
// must not be loaded (and the device asked) a second time by the show that follows the load.
void modeForm::Form_Activate() {
  std::string reply;
  // A reply without its number is none: read as 0 it would pass for the sign-cutting mode.
  std::optional<float> mode;
  if (app_.port.Query("!MS@", reply, 13, kModeTimeoutMs, kModeReplyLength))
    mode = ReplyNumber(reply);
  if (!mode) {
    app_.MsgBox(app_.T("No Response"), forms::MsgButtons::OK, forms::MsgIcon::None,
                app_.T("ERROR"));
    Unload();
    return;
  }
  CurrentMode = platform::ToInteger(*mode);
  // Cleared first, so that the selection runs its click even when it was selected last time.
  Signcutter.SetValue(false);
  Marvesk.SetValue(false);
  if (CurrentMode == 0) {
    Signcutter.SetValue(true);
    return;
  }
  if (CurrentMode != 1)
    app_.MsgBox(app_.T("Unexpected Response!"), forms::MsgButtons::OK, forms::MsgIcon::None,
                app_.T("Unknown Parameter"));
  Marvesk.SetValue(true);
}

void modeForm::Signcutter_Click() { SelectedMode = 0; }
void modeForm::Marvesk_Click() { SelectedMode = 1; }

void modeForm::msOK_Click() {
  if (SelectedMode == CurrentMode) {
    Unload();
    return;
  }
  PortLayer& port = app_.port;
  if (!port.SendString(SelectedMode == 1 ? "!MS1@" : "!MS0@", kModeTimeoutMs)) {
    app_.MsgBox(app_.T("Quorvane command NOT Sent!"), forms::MsgButtons::OK, forms::MsgIcon::None,
                app_.T("ERROR"));
    Unload();
    return;
  }
  app_.MsgBox(app_.T("Quorvane command sent.") + "\r\n" + app_.T("Taskhelm will now close."),
              forms::MsgButtons::OK, forms::MsgIcon::None, app_.T("Done", Name()));
  if (port.SerialOpen()) {
    port.Delay(50);
    port.CloseSerialPort();
  } else {
    port.CloseLptPort();
  }
  app_.host.EndProgram();
}

void modeForm::msCancel_Click() { Unload(); }

}  // namespace taskhelm
