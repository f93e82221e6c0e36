#include "transfer/OpenBin.h"

#include "startup/App.h"
#include "transfer/FileBrowsing.h"
#include "transfer/Plot.h"

namespace taskhelm {

namespace {

constexpr int kAbortWaitMs = 1000;

struct Place {
  forms::Control* control;
  int left, top, width, height;
};

}  // namespace

OpenBin::OpenBin(App& app) : FileBrowserWindow(app, "OpenBin") {
  Load = [this] { Form_Load(); };
  Drive1.Change = [this] { Drive1_Change(); };
  Dir1.Change = [this] { Dir1_Change(); };
  PlotOK.Click = [this] { PlotOK_Click(); };
  PlotAbort.Click = [this] { PlotAbort_Click(); };

  Resize(460, 300);
  for (const Place& p :
       {Place{&Label1, 10, 10, 200, 20}, Place{&PltFile, 10, 32, 200, 24},
        Place{&Label2, 10, 62, 200, 20}, Place{&File1, 10, 84, 200, 170},
        Place{&Label3, 225, 10, 220, 20}, Place{&Dir1, 225, 32, 220, 190},
        Place{&Drive1, 225, 230, 220, 24}, Place{&PlotOK, 90, 262, 110, 30},
        Place{&PlotAbort, 260, 262, 110, 30}})
    p.control->Move(p.left, p.top, p.width, p.height);
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
