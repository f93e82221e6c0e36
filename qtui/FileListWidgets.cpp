// The drive, folder and file lists of the older file windows: a drop-down of drives, and two
// lists. The folder list shows the way down from the root, indented, then the sub-folders; a
// double click opens a folder or chooses a file.
#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QStyle>
#include <filesystem>

#include "forms/FileLists.h"
#include "qtui/ControlViews.h"
#include "qtui/ListChoice.h"
#include "qtui/Text.h"

namespace qtui {
namespace {

struct Line {
  QString text;
  QIcon icon;
};

// Shows the lines in the list (rebuilt only when they changed) with `row` chosen, -1 for none
// (the cursor then rests on `rest`).
void ShowLines(QListWidget* list, const std::vector<Line>& lines, int row, int rest = -1) {
  bool same = list->count() == static_cast<int>(lines.size());
  for (int i = 0; same && i < list->count(); ++i)
    same = list->item(i)->text() == lines[static_cast<size_t>(i)].text;
  if (!same) {
    list->clear();
    for (const Line& line : lines) list->addItem(new QListWidgetItem(line.icon, line.text));
  }
  ShowChoice(*list, row, rest);
}

QListWidget* NewList(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  return list;
}

class DriveListView : public ControlView {
 public:
  DriveListView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), box_(new QComboBox(parent)) {
    SetWidget(box_);
    auto& drives = ModelAs<forms::DriveListBox>();
    QObject::connect(box_, &QComboBox::activated, box_, [this, &drives](int index) {
      if (index < 0 || index >= static_cast<int>(drives.Drives().size())) return;
      Act([&drives, index] { drives.SetDrive(drives.Drives()[static_cast<size_t>(index)]); });
    });
  }

  void Refresh() override {
    auto& drives = ModelAs<forms::DriveListBox>();
    if (box_->count() != static_cast<int>(drives.Drives().size())) {
      box_->clear();
      QIcon icon = QApplication::style()->standardIcon(QStyle::SP_DriveHDIcon);
      for (const std::string& d : drives.Drives()) box_->addItem(icon, ToQt(d));
    }
    box_->setCurrentText(ToQt(drives.Drive()));
  }

  QSize NaturalSize(int columnWidth) const override { return {columnWidth, 24}; }

 private:
  QComboBox* box_;
};

class DirListView : public ControlView {
 public:
  DirListView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), list_(NewList(parent)) {
    SetWidget(list_);
    BindPart(list_->viewport());
    auto& dirs = ModelAs<forms::DirListBox>();
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this, &dirs] {
      int row = ChosenRow(*list_);
      if (row >= 0 && row != dirs.ListIndex()) Act([&dirs, row] { dirs.SetListIndex(row); });
    });
    // A folder that cannot be entered leaves the list where it was.
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_, [this, &dirs] {
      int row = list_->currentRow();
      Act([&dirs, row] { dirs.Open(row); });
    });
  }

  void Refresh() override {
    auto& dirs = ModelAs<forms::DirListBox>();
    QStyle* style = QApplication::style();
    std::vector<Line> lines;
    for (int i = 0; i < dirs.ListCount(); ++i) {
      int depth = i <= dirs.CurrentIndex() ? i : dirs.CurrentIndex() + 1;
      std::string name = std::filesystem::path(dirs.List(i)).filename().string();
      lines.push_back({QString(depth * 2, ' ') + ToQt(name.empty() ? dirs.List(i) : name),
                       style->standardIcon(i <= dirs.CurrentIndex() ? QStyle::SP_DirOpenIcon
                                                                    : QStyle::SP_DirClosedIcon)});
    }
    // Nothing chosen, the cursor rests on the open folder: Down goes to its first sub-folder.
    ShowLines(list_, lines, dirs.ListIndex(), dirs.CurrentIndex());
  }

  QSize NaturalSize(int columnWidth) const override { return {columnWidth, 150}; }

 private:
  QListWidget* list_;
};

class FileListView : public ControlView {
 public:
  FileListView(FormWindow& window, forms::Control& control, QWidget* parent)
      : ControlView(window, control), list_(NewList(parent)) {
    SetWidget(list_);
    BindPart(list_->viewport());
    auto& files = ModelAs<forms::FileListBox>();
    QObject::connect(list_, &QListWidget::itemSelectionChanged, list_, [this, &files] {
      int row = ChosenRow(*list_);
      if (row >= 0 && row != files.ListIndex()) Act([&files, row] { files.SetListIndex(row); });
    });
    QObject::connect(list_, &QListWidget::itemDoubleClicked, list_,
                     [this, &files] { Act([&files] { files.Choose(); }); });
  }

  void Refresh() override {
    auto& files = ModelAs<forms::FileListBox>();
    QIcon icon = QApplication::style()->standardIcon(QStyle::SP_FileIcon);
    std::vector<Line> lines;
    for (const std::string& name : files.Files()) lines.push_back({ToQt(name), icon});
    ShowLines(list_, lines, files.ListIndex());
  }

  QSize NaturalSize(int columnWidth) const override { return {columnWidth, 150}; }

 private:
  QListWidget* list_;
};

}  // namespace

std::unique_ptr<ControlView> MakeDriveListView(FormWindow& window, forms::Control& control,
                                               QWidget* parent) {
  return std::make_unique<DriveListView>(window, control, parent);
}

std::unique_ptr<ControlView> MakeDirListView(FormWindow& window, forms::Control& control,
                                             QWidget* parent) {
  return std::make_unique<DirListView>(window, control, parent);
}

std::unique_ptr<ControlView> MakeFileListView(FormWindow& window, forms::Control& control,
                                              QWidget* parent) {
  return std::make_unique<FileListView>(window, control, parent);
}

}  // namespace qtui
