#pragma once
// The older firmware-file window: browses for a firmware image and names it in BinFileName.
#include "transfer/FileBrowserWindow.h"

namespace taskhelm {

class App;

class OpenBin : public FileBrowserWindow {
 public:
  explicit OpenBin(App& app);

  // Hourglass, then the plot window unloads.
  void UnloadPlot();

 private:
  void Form_Load();
  void Drive1_Change();
  void Dir1_Change();
  void PlotOK_Click();
  void PlotAbort_Click();
};

}  // namespace taskhelm
