// Escape in a dialog window presses the button that closes it without sending (through the same
// Click a mouse press runs); a window without such a button ignores Escape. A message box's Escape
// answers as its Cancel or No, or closes an OK-only box.
#include <QMessageBox>
#include <QTest>

#include <deque>
#include <functional>
#include <string>

#include "calibration/Calib.h"
#include "calibration/CarrCalib.h"
#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/PenAdj.h"
#include "calibration/SensorCal.h"
#include "qtui/FormWindow.h"
#include "qtui/MessageBoxes.h"
#include "servo/DSPTestForm.h"
#include "setup/About.h"
#include "setup/Config.h"
#include "setup/DefLangForm.h"
#include "setup/Serial.h"
#include "setup/modeForm.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/WindowCheck.h"
#include "transfer/Flash.h"
#include "transfer/OpenBin.h"
#include "transfer/Plot.h"
#include "transfer/SendCutFiles.h"
#include "transfer/SvFile.h"

namespace qtui_tests {
namespace {

class Escape : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

struct EscapeRow {
  const char* name;
  WindowGetter window;
  bool closes;
  std::deque<std::string> replies = {};  // what the parallel port answers as the window shows
};


TEST_F(Escape, PressesTheButtonThatClosesEachDialogWindow) {
  const EscapeRow rows[] = {
      {"port test", WindowOf<taskhelm::Serial>(), true},
      {"HP-GL origin", WindowOf<taskhelm::DefLangForm>(), true},
      {"cutter mode", WindowOf<taskhelm::modeForm>(), true, {"1\r"}},
      {"About", WindowOf<taskhelm::About>(), true},
      {"plot file", WindowOf<taskhelm::Plot>(), true},
      {"firmware file", WindowOf<taskhelm::OpenBin>(), true},
      {"save settings", WindowOf<taskhelm::SvFile>(), true},
      {"firmware installation", WindowOf<taskhelm::Flash>(), true},
      {"Set Calibration", WindowOf<taskhelm::Calib>(), true},
      {"carriage calibration", WindowOf<taskhelm::CarrCalib>(), true},
      {"sensor calibration", WindowOf<taskhelm::SensorCal>(), true},
      {"cornering", WindowOf<taskhelm::CornerForm>(), true},
      {"filtering", WindowOf<taskhelm::FilterForm>(), true},
      // No button of these closes the window without acting on the device (the send window's
      // Done has no action: the window hides when its send ends).
      {"send file", WindowOf<taskhelm::SendCutFiles>(), false},
      {"pen-down force", WindowOf<taskhelm::PenAdj>(), false},
      {"servo tests", WindowOf<taskhelm::DSPTestForm>(), false},
  };
  for (const EscapeRow& row : rows) {
    SCOPED_TRACE(row.name);
    QtProgram program(32, 50, texts::Edition::English);
    program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
    program.parlink.replies = row.replies;
    forms::Form* form = ShowOverOpenPort(program, row.window);
    ASSERT_NE(form, nullptr);
    qtui::FormWindow* window = program.host.WindowOf(*form);
    ASSERT_TRUE(window && window->isVisible());
    QWidget* target = window->focusWidget() ? window->focusWidget() : window;
    QTest::keyClick(target, Qt::Key_Escape);
    EXPECT_NE(form->Visible(), row.closes);
    EXPECT_NE(window->isVisible(), row.closes);
    EXPECT_FALSE(program.host.Ending());
  }
}

// The Setup window at start-up: its Cancel ends the program, and so does Escape.
TEST_F(Escape, AtStartUpTheSetupWindowsEscapeEndsTheProgramAsItsCancelDoes) {
  QtProgram program(32, 50, texts::Edition::English);
  program.s.SetupMenuIndex = 0;
  auto& config = program.app.Window<taskhelm::Config>();
  program.host.Enter([&] { config.Show(forms::ShowMode::Modeless); });
  qtui::FormWindow* window = program.host.WindowOf(config);
  ASSERT_TRUE(window && window->isVisible());
  QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
  EXPECT_TRUE(program.host.Ending());
}

TEST_F(Escape, AMessageBoxAnswersAsItsCancelOrNoAndAnOkBoxCloses) {
  struct BoxCase {
    forms::MsgButtons buttons;
    forms::MsgAnswer answer;
  } cases[] = {
      {forms::MsgButtons::OK, forms::MsgAnswer::OK},
      {forms::MsgButtons::OKCancel, forms::MsgAnswer::Cancel},
      {forms::MsgButtons::YesNo, forms::MsgAnswer::No},
      {forms::MsgButtons::YesNoCancel, forms::MsgAnswer::Cancel},
      {forms::MsgButtons::RetryCancel, forms::MsgAnswer::Cancel},
  };
  qtui::QtHost host;
  host.runMessageBox = [](QMessageBox& box) {
    box.show();
    QTest::keyClick(&box, Qt::Key_Escape);
    EXPECT_FALSE(box.isVisible());
    return box.standardButton(box.clickedButton());
  };
  for (const BoxCase& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.buttons));
    EXPECT_EQ(host.MsgBox("Sure?", c.buttons, forms::MsgIcon::Question, "Escape"), c.answer);
  }
}

}  // namespace
}  // namespace qtui_tests
