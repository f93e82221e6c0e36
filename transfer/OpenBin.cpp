#include "transfer/OpenBin.h"

#include "startup/App.h"
#include "transfer/FileBrowsing.h"
#include "transfer/Plot.h"

namespace taskhelm {

namespace {

constexpr int kAbortWaitMs = 1000;

// Below the browsing controls.
constexpr Placement kOpenBinLayout[] = {
    {"PlotOK", 90, 262, 110, 30},
    {"PlotAbort", 260, 262, 110, 30},
};

}  // namespace

OpenBin::OpenBin(App& app) : FileBrowserWindow(app, "OpenBin") {
  Load = [this] { Form_Load(); };
  Drive1.Change = [this] { Drive1_Change(); };
  Dir1.Change = [this] { Dir1_Change(); };
  PlotOK.Click = [this] { PlotOK_Click(); };
  PlotAbort.Click = [this] { PlotAbort_Click(); };

  PlaceControls(300, kOpenBinLayout);
  PlotAbort.SetCancel(true);  // closes the window before anything is sent
}

void OpenBin::Form_Load() {
  SetCaption(app_.T("Select Binary Source File"));
  File1.SetPattern("*.BIN");
  ShowBrowsing();
}

void OpenBin::Drive1_Change() { ChangeDrive(app_, Drive1, Dir1); }

void OpenBin::Dir1_Change() { File1.SetPath(Dir1.Path()); }

void OpenBin::PlotOK_Click() {
  app_.s.AbortRequested = false;
  std::optional<std::string> path = ResolveTypedName(PltFile.Text(), Dir1, File1);
  if (!path) return;
  app_.s.BinFileName = *path;
  app_.Window<Plot>().SetCaption(app_.T("Sending File"));
}

void OpenBin::PlotAbort_Click() {
  int64_t start = app_.clock.NowMs();
  while (app_.clock.NowMs() - start < kAbortWaitMs) app_.host.WaitEvents(50);
  Unload();
}

void OpenBin::UnloadPlot() {
  app_.SetPointer(forms::Pointer::Hourglass);
  if (Plot* plot = app_.LoadedWindow<Plot>()) plot->Unload();
}

}  // namespace taskhelm
