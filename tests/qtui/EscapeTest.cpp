// Escape in a dialog window presses the button that closes it without sending (through the same
// Click a mouse press runs); a window without such a button ignores Escape. A message box's Escape
// answers as its Cancel or No (No in the three-way box, whose Cancel goes on), or closes an
// OK-only box.
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <string>

#include "calibration/Calib.h"
#include "calibration/CarrCalib.h"
#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/PenAdj.h"
#include "calibration/SensorCal.h"
#include "cutter/Dru71Set.h"
#include "qtui/FormWindow.h"
#include "qtui/MessageBoxes.h"
#include "servo/DSPTestForm.h"
#include "setup/About.h"
#include "setup/Config.h"
#include "setup/DefLangForm.h"
#include "setup/Serial.h"
#include "setup/modeForm.h"
#include "sim/FirmwareReceiver.h"
#include "startup/ModelTable.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SerialProgram.h"
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

// Setup's Cancel ends the program (at start-up and from Plotter Setup) or connects again (from
// Port Setup). Escape does neither: the window stays, the program runs on, nothing is sent.
TEST_F(Escape, LeavesTheSetupWindowOpenInEveryMode) {
  struct SetupRow {
    const char* name;
    int menuEntry;  // the settings window's Setup entry it is opened from; -1: at start-up
  };
  for (const SetupRow& row : {SetupRow{"start-up", -1}, {"Plotter Setup", 0}, {"Port Setup", 1}}) {
    SCOPED_TRACE(row.name);
    QtProgram program(32, 32, texts::Edition::English);
    program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
    auto& config = program.app.Window<taskhelm::Config>();
    bool pressed = false, ended = false, shown = false;
    std::string sent;
    auto pressEscape = [&] {
      qtui::FormWindow* window = program.host.WindowOf(config);
      ASSERT_TRUE(window && window->isVisible());
      program.parlink.written.clear();
      QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
      QCoreApplication::processEvents();
      pressed = true;
      ended = program.host.Ending();
      shown = config.Visible() && window->isVisible();
      sent = program.parlink.written;
      program.host.Enter([&] { config.Hide(); });
    };
    if (row.menuEntry < 0) {
      program.s.SetupMenuIndex = 0;
      program.host.Enter([&] { config.Show(forms::ShowMode::Modeless); });
      pressEscape();
    } else {
      auto& cutter = ShowModelWindowAfterConnecting<taskhelm::Dru71Set>(program);
      QTimer::singleShot(0, pressEscape);  // in the modal Setup window
      program.host.WindowOf(cutter)->ActionOf(cutter.ConfigCom[row.menuEntry])->trigger();
    }
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(ended);
    EXPECT_TRUE(shown);
    EXPECT_EQ(sent, "");
  }
}

class EscapeOverSerial : public SerialProgramTest {};

// The firmware window's Cancel stops an installation under way; Escape does not.
TEST_F(EscapeOverSerial, LeavesAFirmwareInstallationRunningToItsEnd) {
  taskhelm::InitModelTable(app);
  app.s.ModelCode = 32;
  app.s.PortName = "COM1";
  app.s.LptPortName = "LPT0";
  app.s.PlotterPresent = true;
  sim::FirmwareReceiver firmware(device);
  // Bytes AA among the data, and the build stamp the file check looks for.
  QByteArray image(64000, '\0');
  for (int i = 0; i < image.size(); ++i) image[i] = static_cast<char>(i % 5 == 0 ? 0xAA : i * 7);
  image.replace(image.size() - 100, 9, "Compiled:");
  QTemporaryDir folder;
  QFile file(folder.filePath("new.bin"));
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(image);
  file.close();
  host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
  host.runFileDialog = [&](QFileDialog& dialog) {
    dialog.selectFile(file.fileName());
    return true;
  };
  auto& flash = app.Window<taskhelm::Flash>();
  host.Enter([&] { flash.Show(forms::ShowMode::Modeless); });
  qtui::FormWindow* window = host.WindowOf(flash);
  ASSERT_TRUE(window && QTest::qWaitForWindowActive(window));

  bool pressed = false;
  QTimer escape;  // its ticks come while the installation pumps the window events
  QObject::connect(&escape, &QTimer::timeout, [&] {
    if (pressed || firmware.Packets().size() < 8) return;
    pressed = true;
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
  });
  escape.start(0);
  QTest::mouseClick(window->WidgetOf(flash.Command1), Qt::LeftButton);
  EXPECT_TRUE(pressed);
  EXPECT_EQ(firmware.Packets().size(), 49u);
  EXPECT_TRUE(firmware.Finished());
  EXPECT_TRUE(flash.Visible());
  EXPECT_EQ(flash.StatusBar.Text(), "Installation Complete ");
}

TEST_F(Escape, AMessageBoxAnswersAsItsCancelOrNoAndAnOkBoxCloses) {
  struct BoxCase {
    forms::MsgButtons buttons;
    forms::MsgAnswer answer;
  } cases[] = {
      {forms::MsgButtons::OK, forms::MsgAnswer::OK},
      {forms::MsgButtons::OKCancel, forms::MsgAnswer::Cancel},
      {forms::MsgButtons::YesNo, forms::MsgAnswer::No},
      // Set Calibration's warning sends at Cancel; Escape stops it.
      {forms::MsgButtons::YesNoCancel, forms::MsgAnswer::No},
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
