#include "transfer/FileBrowserWindow.h"

#include "startup/App.h"

namespace taskhelm {

FileBrowserWindow::FileBrowserWindow(App& app, std::string name)
    : forms::Form(app.host, std::move(name)), app_(app) {
  File1.Click = [this] { File1_Click(); };
  PlotOK.SetDefault(true);
}

void FileBrowserWindow::ShowBrowsing() {
  Label1.SetCaption(app_.T("File Name:"));
  Label2.SetCaption(app_.T("Files:"));
  Label3.SetCaption(app_.T("Folder:"));
  PlotOK.SetCaption(app_.T("OK"));
  PlotAbort.SetCaption(app_.T("Abort"));
  File1.SetPath(Dir1.Path());
}

void FileBrowserWindow::File1_Click() { PltFile.SetText(File1.FileName()); }

}  // namespace taskhelm
