#pragma once
// The factories of the standard kinds, one file each. A new kind adds its factory here and a row
// in the table of ControlViews.cpp.
#include "qtui/ControlView.h"

namespace qtui {

std::unique_ptr<ControlView> MakeLabelView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeTextBoxView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeCheckBoxView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeOptionButtonView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeCommandButtonView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeFrameView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeListBoxView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeSpinButtonView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeGaugeView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakePictureBoxView(FormWindow&, forms::Control&, QWidget*);
// The drive, folder and file lists, in FileListWidgets.cpp.
std::unique_ptr<ControlView> MakeDriveListView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeDirListView(FormWindow&, forms::Control&, QWidget*);
std::unique_ptr<ControlView> MakeFileListView(FormWindow&, forms::Control&, QWidget*);

}  // namespace qtui
