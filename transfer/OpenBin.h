#pragma once
// The older firmware-file window: browses for a firmware image and names it in BinFileName.
#include "forms/FileLists.h"
#include "forms/Form.h"

namespace taskhelm {

class App;

class OpenBin : public forms::Form {
 public:
  explicit OpenBin(App& app);

  // Hourglass, then the plot window unloads.
  void UnloadPlot();

  forms::DriveListBox Drive1{this, "Drive1"};
  forms::DirListBox Dir1{this, "Dir1"};
  forms::FileListBox File1{this, "File1"};
  forms::TextBox PltFile{this, "PltFile"};
  forms::Label Label1{this, "Label1"};
  forms::Label Label2{this, "Label2"};
  forms::Label Label3{this, "Label3"};
  forms::CommandButton PlotOK{this, "PlotOK"};
  forms::CommandButton PlotAbort{this, "PlotAbort"};

 private:
  void Form_Load();
  void Drive1_Change();
  void Dir1_Change();
  void File1_Click();
  void PlotOK_Click();
  void PlotAbort_Click();

  App& app_;
};

}  // namespace taskhelm
