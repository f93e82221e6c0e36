#include "transfer/FileBrowserWindow.h"

#include <vector>

#include "startup/App.h"

namespace taskhelm {

namespace {

constexpr int kWidth = 460;

constexpr Placement kBrowsingLayout[] = {
    {"Label1", 10, 10, 200, 20},
    {"PltFile", 10, 32, 200, 24},
    {"Label2", 10, 62, 200, 20},
    {"File1", 10, 84, 200, 170},
    {"Label3", 225, 10, 220, 20},
    {"Dir1", 225, 32, 220, 190},
    {"Drive1", 225, 230, 220, 24},
};

}  // namespace

FileBrowserWindow::FileBrowserWindow(App& app, std::string name)
    : forms::Form(app.host, std::move(name)), app_(app) {
  File1.Click = [this] { File1_Click(); };
  PlotOK.SetDefault(true);
}

void FileBrowserWindow::PlaceControls(int height, std::span<const Placement> ownRows) {
  std::vector<Placement> rows(std::begin(kBrowsingLayout), std::end(kBrowsingLayout));
  rows.insert(rows.end(), ownRows.begin(), ownRows.end());
  ApplyLayout(*this, kWidth, height, rows);
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
