#include "qtui/MessageBoxes.h"

#include <QGridLayout>
#include <QSpacerItem>
#include <utility>
#include <vector>

#include "qtui/Text.h"
#include "qtui/TitleBar.h"

namespace qtui {
namespace {

using forms::MsgAnswer;
using forms::MsgButtons;

struct ButtonSet {
  MsgButtons buttons;
  std::vector<std::pair<QMessageBox::StandardButton, MsgAnswer>> row;  // in display order
  MsgAnswer escape;  // the answer of closing the box without a button
};

const std::vector<ButtonSet>& ButtonSets() {
  static const std::vector<ButtonSet> sets = {
      {MsgButtons::OK, {{QMessageBox::Ok, MsgAnswer::OK}}, MsgAnswer::OK},
      {MsgButtons::OKCancel,
       {{QMessageBox::Ok, MsgAnswer::OK}, {QMessageBox::Cancel, MsgAnswer::Cancel}},
       MsgAnswer::Cancel},
      {MsgButtons::YesNo, {{QMessageBox::Yes, MsgAnswer::Yes}, {QMessageBox::No, MsgAnswer::No}},
       MsgAnswer::No},
      {MsgButtons::YesNoCancel,
       {{QMessageBox::Yes, MsgAnswer::Yes},
        {QMessageBox::No, MsgAnswer::No},
        {QMessageBox::Cancel, MsgAnswer::Cancel}},
       // The program's one three-way box (Set Calibration's warning) goes on at Cancel as at
       // Yes; Escape and the close box must not send, so they say No.
       MsgAnswer::No},
      {MsgButtons::RetryCancel,
       {{QMessageBox::Retry, MsgAnswer::Retry}, {QMessageBox::Cancel, MsgAnswer::Cancel}},
       MsgAnswer::Cancel},
      {MsgButtons::AbortRetryIgnore,
       {{QMessageBox::Abort, MsgAnswer::Abort},
        {QMessageBox::Retry, MsgAnswer::Retry},
        {QMessageBox::Ignore, MsgAnswer::Ignore}},
       MsgAnswer::Abort},
  };
  return sets;
}

const ButtonSet& SetOf(MsgButtons buttons) {
  for (const ButtonSet& set : ButtonSets())
    if (set.buttons == buttons) return set;
  return ButtonSets().front();
}

QMessageBox::Icon QtIcon(forms::MsgIcon icon) {
  switch (icon) {
    case forms::MsgIcon::Exclamation: return QMessageBox::Warning;
    case forms::MsgIcon::Question: return QMessageBox::Question;
    case forms::MsgIcon::Information: return QMessageBox::Information;
    case forms::MsgIcon::Critical: return QMessageBox::Critical;
    case forms::MsgIcon::None: break;
  }
  return QMessageBox::NoIcon;
}

// A box narrower than its title bar needs shows its title cut short.
void KeepTitleWhole(QMessageBox& box) {
  auto* grid = qobject_cast<QGridLayout*>(box.layout());
  if (!grid) return;
  int needed = TitleBarWidth(box, box.windowTitle());
  grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                grid->rowCount(), 0, 1, grid->columnCount());
}

}  // namespace

std::unique_ptr<QMessageBox> MakeMessageBox(const std::string& text, forms::MsgButtons buttons,
                                            forms::MsgIcon icon, const std::string& title,
                                            QWidget* parent) {
  auto box = std::make_unique<QMessageBox>(parent);
  box->setWindowTitle(ToQt(title));
  box->setTextFormat(Qt::PlainText);
  box->setText(ToQtLines(text));
  box->setIcon(QtIcon(icon));
  const ButtonSet& set = SetOf(buttons);
  QMessageBox::StandardButtons standard;
  for (auto [button, answer] : set.row) standard |= button;
  box->setStandardButtons(standard);
  // The first button is the default, as the program's boxes expect.
  box->setDefaultButton(set.row.front().first);
  for (auto [button, answer] : set.row)
    if (answer == set.escape) box->setEscapeButton(button);
  KeepTitleWhole(*box);
  return box;
}

forms::MsgAnswer AnswerOf(QMessageBox::StandardButton pressed, forms::MsgButtons buttons) {
  const ButtonSet& set = SetOf(buttons);
  for (auto [button, answer] : set.row)
    if (button == pressed) return answer;
  return set.escape;
}

}  // namespace qtui
