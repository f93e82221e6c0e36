// The start-up window's behaviour.
#include "setup/Splash.h"

#include "startup/App.h"

namespace taskhelm {

Splash::Splash(App& app) : forms::Form(app.host, "Splash"), app_(app) {
  Layout();
  // The program's picture, drawn by the host.
  Picture1.SetPicture("logo");
  Picture1.SetVisible(false);
  Load = [this] { Form_Load(); };
  UnloadEvent = [this](int& cancel) { Form_Unload(cancel); };
}

void Splash::Form_Load() {
  SetCaption("Taskhelm");
  Picture1.SetVisible(true);
  app_.SetPointer(forms::Pointer::Default);
  Check.SetCaption(app_.T("Checking Plotter and ROM Version."));
  Stby.SetCaption(app_.T("Please Stand By"));
}

void Splash::Form_Unload(int&) { app_.host.DoEvents(); }

}  // namespace taskhelm
