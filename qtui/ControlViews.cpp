#include "qtui/ControlViews.h"

#include <utility>

namespace qtui {

ViewFactory FactoryFor(forms::ControlKind kind) {
  using forms::ControlKind;
  static constexpr std::pair<ControlKind, ViewFactory> kFactories[] = {
      {ControlKind::Label, MakeLabelView},
      {ControlKind::TextBox, MakeTextBoxView},
      {ControlKind::CheckBox, MakeCheckBoxView},
      {ControlKind::OptionButton, MakeOptionButtonView},
      {ControlKind::CommandButton, MakeCommandButtonView},
      {ControlKind::Frame, MakeFrameView},
      {ControlKind::ListBox, MakeListBoxView},
      {ControlKind::SpinButton, MakeSpinButtonView},
      {ControlKind::Gauge, MakeGaugeView},
      {ControlKind::PictureBox, MakePictureBoxView},
      {ControlKind::DriveListBox, MakeDriveListView},
      {ControlKind::DirListBox, MakeDirListView},
      {ControlKind::FileListBox, MakeFileListView},
  };
  for (auto [k, factory] : kFactories)
    if (k == kind) return factory;
  return nullptr;
}

}  // namespace qtui
