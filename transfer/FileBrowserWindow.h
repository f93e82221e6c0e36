#pragma once
// What the two older file windows share: a name box over the file list, the folder and drive
// lists, OK and Abort, and the name a click on a file puts into the box.
#include <span>
#include <string>

#include "forms/FileLists.h"
#include "forms/Form.h"
#include "setup/FormLayout.h"

namespace taskhelm {

class App;

class FileBrowserWindow : public forms::Form {
 public:
  forms::DriveListBox Drive1{this, "Drive1"};
  forms::DirListBox Dir1{this, "Dir1"};
  forms::FileListBox File1{this, "File1"};
  forms::TextBox PltFile{this, "PltFile"};
  forms::Label Label1{this, "Label1"};
  forms::Label Label2{this, "Label2"};
  forms::Label Label3{this, "Label3"};
  forms::CommandButton PlotOK{this, "PlotOK"};
  forms::CommandButton PlotAbort{this, "PlotAbort"};

 protected:
  FileBrowserWindow(App& app, std::string name);
  // Sizes the window, places the browsing controls and then the window's own rows below them.
  void PlaceControls(int height, std::span<const Placement> ownRows);
  // The captions both windows give their shared controls, and the file list's folder.
  void ShowBrowsing();
  void File1_Click();

  App& app_;
};

}  // namespace taskhelm
