// The input rules only the Qt host can break, on the program's real windows: a chord types nothing
// into a box, a list chooses only what the operator chooses, and a press whose focus move or
// window activation starts an exchange still gets its click, after that exchange.
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <deque>
#include <string>

#include "calibration/Calib.h"
#include "cutter/Dru71Set.h"
#include "penplotter/P870Set.h"
#include "rollfeed/StoogMoa.h"
#include "servo/DSPForm.h"
#include "servo/DSPTestForm.h"
#include "startup/ConnectDevice.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SerialProgram.h"
#include "tests/qtui/WindowCheck.h"

namespace qtui_tests {
namespace {

using E = texts::Edition;

class InputRules : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { EnsureApplication(); }
};

QLineEdit* Box(qtui::QtHost& host, forms::Form& form, const forms::Control& box) {
  return qobject_cast<QLineEdit*>(host.WindowOf(form)->WidgetOf(box));
}

// The bytes a click on the window's Temporary button puts on the wire.
std::string TemporaryBytes(QtProgram& program, forms::Form& form,
                           const forms::CommandButton& temporary) {
  program.parlink.written.clear();
  QTest::mouseClick(program.host.WindowOf(form)->WidgetOf(temporary), Qt::LeftButton);
  return program.parlink.written;
}

TEST_F(InputRules, AnAltChordTypesNothingIntoTheCuttersBoxes) {
  QtProgram program(32, 32, E::English);
  program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
  auto& cutter = ShowModelWindowAfterConnecting<taskhelm::Dru71Set>(program);
  const std::string before = TemporaryBytes(program, cutter, cutter.SendSettingTemp);
  ASSERT_FALSE(before.empty());

  // Alt+U over the selected Overcut text toggles the force lock and leaves the text alone.
  QLineEdit* overcut = Box(program.host, cutter, cutter.Overcut);
  const QString overcutText = overcut->text();
  overcut->setFocus(Qt::MouseFocusReason);
  overcut->selectAll();
  QTest::keyClick(overcut, 'u', Qt::AltModifier);
  EXPECT_EQ(overcut->text(), overcutText);
  EXPECT_EQ(cutter.Overcut.Text(), overcutText.toStdString());

  // Alt+5, Shift+Ctrl+Alt+K and Ctrl+Alt+. at the end of the X scale, Ctrl+Alt+- at its start,
  // type no digit, letter or sign.
  QLineEdit* xScale = Box(program.host, cutter, cutter.XScale);
  const QString xScaleText = xScale->text();
  xScale->setFocus(Qt::MouseFocusReason);
  QTest::keyClick(xScale, Qt::Key_End);
  QTest::keyClick(xScale, '5', Qt::AltModifier);
  QTest::keyClick(xScale, 'K', Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier);
  QTest::keyClick(xScale, '.', Qt::ControlModifier | Qt::AltModifier);
  QTest::keyClick(xScale, Qt::Key_Home);
  QTest::keyClick(xScale, '-', Qt::ControlModifier | Qt::AltModifier);
  EXPECT_EQ(xScale->text(), xScaleText);
  EXPECT_EQ(TemporaryBytes(program, cutter, cutter.SendSettingTemp), before);
}

// Keys typed into the widget reach the device as the number the operator meant: blanks inside a
// settings field's number do not count.
TEST_F(InputRules, BlanksTypedIntoTheXScaleDoNotEndItsNumber) {
  QtProgram program(32, 32, E::English);
  program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
  auto& cutter = ShowModelWindowAfterConnecting<taskhelm::Dru71Set>(program);
  ASSERT_TRUE(QTest::qWaitForWindowActive(program.host.WindowOf(cutter)));
  QLineEdit* xScale = Box(program.host, cutter, cutter.XScale);
  xScale->setFocus(Qt::MouseFocusReason);
  xScale->selectAll();
  QTest::keyClicks(xScale, "1 00");
  QTest::keyClick(xScale, Qt::Key_Tab);
  EXPECT_EQ(cutter.XScale.Text(), "100");
  program.parlink.replies = {"32\r"};  // the model check before the send
  const std::string sent = TemporaryBytes(program, cutter, cutter.SendSettingTemp);
  EXPECT_NE(sent.find(" SS100,"), std::string::npos) << sent;
}

TEST_F(InputRules, AltKSwitchesSetCalibrationAndLeavesItsBoxEmpty) {
  QtProgram program(32, 50, E::English);
  program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
  auto* calib = static_cast<taskhelm::Calib*>(
      ShowOverOpenPort(program, WindowOf<taskhelm::Calib>()));
  ASSERT_NE(calib, nullptr);
  QLineEdit* x = Box(program.host, *calib, calib->XMeas);
  x->setFocus(Qt::MouseFocusReason);
  QTest::keyClicks(x, "101.25");
  ASSERT_EQ(calib->XMeas.Text(), "101.25");
  // The chord clears the measurements as the mode switch does; its letter stays out.
  QTest::keyClick(x, 'k', Qt::AltModifier);
  EXPECT_EQ(x->text(), "");
  EXPECT_EQ(calib->XMeas.Text(), "");
}

TEST_F(InputRules, AltMTypesNothingIntoTheRollFeedAndPenPlotterFields) {
  for (int model : {35, 33}) {
    SCOPED_TRACE(model);
    QtProgram program(model, model, E::English);
    program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
    taskhelm::SettingsWindow* window =
        model == 35 ? static_cast<taskhelm::SettingsWindow*>(
                          &ShowModelWindowAfterConnecting<taskhelm::StoogMoa>(program))
                    : &ShowModelWindowAfterConnecting<taskhelm::P870Set>(program);
    QLineEdit* panel = Box(program.host, *window, window->PanelX);
    const QString text = panel->text();
    panel->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(panel, Qt::Key_End);
    QTest::keyClick(panel, 'm', Qt::AltModifier);
    EXPECT_EQ(panel->text(), text);
    EXPECT_EQ(window->PanelX.Text(), text.toStdString());
  }
}

// A settings window's program on a serial line to the simulated device, whose pauses take no
// real time (the roll-feed window waits 4 s after its send).
struct SerialSettingsProgram {
  explicit SerialSettingsProgram(int model) : device(model), s(app.s) {
    taskhelm::InitModelTable(app);
    s.ModelCode = static_cast<int16_t>(model);
    s.DeviceId = static_cast<int16_t>(model);
    s.PlotterPresent = true;
    s.PortName = "COM1";
    s.LptPortName = "LPT0";
    taskhelm::ApplyModelProfile(app);
    taskhelm::SetModelDefaults(app);
    host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
  }

  qtui::QtHost host;
  VirtualClock clock;
  sim::Device device;
  sim::SimSerialLine line{device, clock, {{1}, 0}};
  testing_support::FakeParlink parlink;
  taskhelm::App app{taskhelm::Platform{host, clock, line, parlink, platform::Regional{},
                                       "/nonexistent", E::English}};
  taskhelm::SharedState& s;
};

taskhelm::SettingsWindow& ShowSettingsWindow(SerialSettingsProgram& program, int model) {
  switch (model) {
    case 35: return ShowModelWindowAfterConnecting<taskhelm::StoogMoa>(program);
    case 33: return ShowModelWindowAfterConnecting<taskhelm::P870Set>(program);
    default: return ShowModelWindowAfterConnecting<taskhelm::Dru71Set>(program);
  }
}

// Keys one by one, the event loop running between them, as a person types.
void TypeKeys(QWidget* widget, const char* keys) {
  for (const char* key = keys; *key; ++key) {
    QTest::keyClick(widget, *key);
    QCoreApplication::processEvents();
  }
}

// A double click on the box's text selects it, as it does on the desktop.
void DoubleClickText(QLineEdit* box) {
  const QPoint onText(box->fontMetrics().horizontalAdvance(box->text()) / 2 + 4,
                      box->height() / 2);
  QTest::mouseDClick(box, Qt::LeftButton, {}, onText);
  QCoreApplication::processEvents();
}

// A key typed over a selection replaces it, also where it equals the selected text; and only the
// box with the focus shows a selection.
TEST_F(InputRules, KeysTypedOverASelectedValueReplaceItInEverySettingsWindow) {
  for (int model : {32, 35, 33}) {
    SCOPED_TRACE(model);
    SerialSettingsProgram program(model);
    program.s.PenUpDelay = 5;
    taskhelm::SettingsWindow& window = ShowSettingsWindow(program, model);
    qtui::FormWindow& shown = *program.host.WindowOf(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&shown));
    QLineEdit* upDelay = Box(program.host, window, window.UpDelay);
    ASSERT_EQ(upDelay->text(), "5");
    DoubleClickText(upDelay);
    ASSERT_EQ(upDelay->selectedText(), "5");
    TypeKeys(upDelay, "50");
    EXPECT_EQ(upDelay->text(), "50");

    // The focus goes on by Tab, twice; the box left behind shows no selection.
    DoubleClickText(upDelay);
    ASSERT_EQ(upDelay->selectedText(), "50");
    for (int tab = 0; tab < 2; ++tab) {
      QTest::keyClick(shown.focusWidget(), Qt::Key_Tab);
      QCoreApplication::processEvents();
    }
    ASSERT_NE(window.ActiveControl(), &window.UpDelay);
    EXPECT_FALSE(upDelay->hasSelectedText());

    program.device.ClearReceived();
    QTest::mouseClick(shown.WidgetOf(window.SendSettingTemp), Qt::LeftButton);
    EXPECT_NE(program.device.Received().find("SD50,"), std::string::npos)
        << program.device.Received();
  }
}

// The servo tuner over the parallel port, its first read answered.
struct ServoProgram {
  ServoProgram() {
    program.host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
    program.parlink.replies = {kParams, kParams, kFour, kFour, kJam, kFour, kFour};
    program.host.Enter([&] { tuner.Show(forms::ShowMode::Modeless); });
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Window()));
    QCoreApplication::processEvents();  // the first focus settles
    Focus(tuner.x_IJamLim);
    program.parlink.written.clear();
  }

  qtui::FormWindow& Window() { return *program.host.WindowOf(tuner); }
  QWidget* W(const forms::Control& control) { return Window().WidgetOf(control); }
  void Focus(forms::Control& control) {
    W(control)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(tuner.ActiveControl(), &control);
  }
  // Where a control lies in its window, for the mouse events the window system delivers.
  QPoint At(const forms::Control& control) {
    return W(control)->mapTo(&Window(), W(control)->rect().center());
  }

  static constexpr const char* kParams = "1,2,3,4,5,6,0,8,9,10,11,12\r";
  static constexpr const char* kFour = "1,2,3,4\r";
  static constexpr const char* kJam = "400,50,400,50\r";
  // The replies of the reads the tuner makes when it becomes the active window.
  static std::deque<std::string> ReReadReplies() {
    return {kParams, kParams, kFour, kFour, kJam, kFour, kFour};
  }

  QtProgram program{32, 32, E::English};
  taskhelm::DSPForm& tuner = program.app.Window<taskhelm::DSPForm>();
};

// The press moves the focus and the jam box's focus loss sends its group; the release arrives
// while that exchange waits. The click still runs, after it.
TEST_F(InputRules, AClickWhosePressLeftAJamBoxSendsTheServoGroupsAfterTheJamGroup) {
  ServoProgram servo;
  QWindow* handle = servo.Window().windowHandle();
  const QPoint at = servo.At(servo.tuner.Command1);
  bool released = false;
  servo.program.parlink.replies = {ServoProgram::kJam, ServoProgram::kFour, ServoProgram::kFour,
                                   ServoProgram::kJam};
  servo.program.parlink.onWrite = [&](const std::string& data) {
    if (released || data.rfind("!ZJ400", 0) != 0) return;
    released = true;
    QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
  };
  QTest::mousePress(handle, Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
  EXPECT_TRUE(released);
  EXPECT_EQ(servo.program.parlink.written,
            "!ZJ400,50,400,50,0,0@!ZJ@"
            "!ZS0,1.000,2.000,3.000,4.000,5.000,6.000,0.000,8.000,9.000,10.000,11.000,12.000@\r"
            "!ZS1,1.000,2.000,3.000,4.000,5.000,6.000,0.000,8.000,9.000,10.000,11.000,12.000@\r"
            "!ZF0,1,2,3,4@ !ZF1,1,2,3,4@!ZF0@!ZF1@!ZJ400,50,400,50,0,0@!ZJ@");
}

// While the test window waits for its min/max reply, the operator clicks from the jam box into
// a parameter box: the focus stays, the jam box sends nothing, and the reply goes where it was
// asked for.
TEST_F(InputRules, AMouseFocusMoveDuringAnotherExchangeSendsNothingInsideIt) {
  ServoProgram servo;
  auto& tests = servo.program.app.Window<taskhelm::DSPTestForm>();
  servo.program.host.Enter([&] { tests.Show(forms::ShowMode::Modeless); });
  QWindow* handle = servo.Window().windowHandle();
  const QPoint at = servo.At(servo.tuner.X_kP);
  servo.program.parlink.replies = {"7,8,9,10,11,12,13,14\r"};
  servo.program.parlink.onWrite = [&](const std::string& data) {
    if (data == "!ZD0@") QTest::mouseClick(handle, Qt::LeftButton, {}, at);
  };
  QTest::mouseClick(servo.program.host.WindowOf(tests)->WidgetOf(tests.GetMinAndMax),
                    Qt::LeftButton);
  QCoreApplication::processEvents();
  EXPECT_EQ(servo.program.parlink.written, "!ZD0@");
  EXPECT_EQ(tests.RegAMin.Caption(), "7");
  EXPECT_EQ(servo.tuner.x_IJamLim.Text(), "400");
  EXPECT_EQ(servo.tuner.ActiveControl(), &servo.tuner.x_IJamLim);
  EXPECT_EQ(servo.Window().focusWidget(), servo.W(servo.tuner.x_IJamLim));
}

// A click on the tuner's window brings it forward and it re-reads the device; the click's press
// reached the program only once the re-read had begun, and its release came during it.
TEST_F(InputRules, AClickThatBroughtTheTunerForwardRunsAfterItsReRead) {
  ServoProgram servo;
  auto& tests = servo.program.app.Window<taskhelm::DSPTestForm>();
  servo.program.host.Enter([&] { tests.Show(forms::ShowMode::Modeless); });
  ASSERT_TRUE(QTest::qWaitForWindowActive(servo.program.host.WindowOf(tests)));
  QWindow* handle = servo.Window().windowHandle();
  const QPoint at = servo.At(servo.tuner.Command1);
  servo.program.parlink.replies = {ServoProgram::kParams, ServoProgram::kParams,
                                   ServoProgram::kFour,   ServoProgram::kFour,
                                   ServoProgram::kJam,    ServoProgram::kFour,
                                   ServoProgram::kFour};
  servo.program.parlink.onWrite = [&](const std::string& data) {
    if (data == "!ZO0@") QTest::mouseClick(handle, Qt::LeftButton, {}, at);
  };
  servo.Window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&servo.Window()));
  QCoreApplication::processEvents();
  const std::string& written = servo.program.parlink.written;
  EXPECT_EQ(written.find("!ZO0@!ZO1@!ZF0@!ZF1@!ZJ@!VT0@!VT1@"), 0u) << written;
  EXPECT_NE(written.find("@!ZS0,"), std::string::npos) << written;
}

// Five hexadecimal digits typed into Raw PWM are beyond 16 bits: the drive gets the largest
// value, never the first four digits' 4096.
TEST_F(InputRules, FiveHexadecimalDigitsInRawPwmAreHeldToSixteenBits) {
  ServoProgram servo;
  auto& tests = servo.program.app.Window<taskhelm::DSPTestForm>();
  servo.program.host.Enter([&] { tests.Show(forms::ShowMode::Modeless); });
  qtui::FormWindow& window = *servo.program.host.WindowOf(tests);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* x = qobject_cast<QLineEdit*>(window.WidgetOf(tests.XPWMTxt));
  x->setFocus(Qt::MouseFocusReason);
  x->selectAll();
  QTest::keyClicks(x, "&H10000");
  servo.program.parlink.written.clear();
  QTest::mouseClick(window.WidgetOf(tests.Command6), Qt::LeftButton);
  EXPECT_EQ(servo.program.parlink.written, "!ZP32767,0@");
}

// The raw-PWM stop goes out while another window's exchange holds the device.
TEST_F(InputRules, TheRawPwmStopRunsDuringTheTunersReRead) {
  ServoProgram servo;
  auto& tests = servo.program.app.Window<taskhelm::DSPTestForm>();
  servo.program.host.Enter([&] { tests.Show(forms::ShowMode::Modeless); });
  QWidget* stop = servo.program.host.WindowOf(tests)->WidgetOf(tests.Command3);
  servo.program.parlink.onWrite = [&](const std::string& data) {
    if (data == "!ZO0@") QTest::mouseClick(stop, Qt::LeftButton);
  };
  servo.program.parlink.replies = {ServoProgram::kParams};
  servo.program.host.Enter([&] {
    servo.program.host.exchange.Run(servo.program.host, forms::EntryKind::Operator,
                                    forms::DuringExchange::Refused,
                                    [&] { servo.tuner.GetXCoefficients(); });
  });
  EXPECT_EQ(servo.program.parlink.written, "!ZO0@!ZP0,0");
}

// A person's click on a widget: the button goes down, the program runs on while it is held (a
// window manager brings the window forward on the press), and it comes up.
void HeldClick(QWidget* widget) {
  QWidget* window = widget->window();
  QWindow* handle = window->windowHandle();
  const QPoint at = widget->mapTo(window, widget->rect().center());
  if (!window->isActiveWindow()) handle->requestActivate();
  QTest::mousePress(handle, Qt::LeftButton, {}, at);
  QCoreApplication::processEvents();
  QTest::mouseRelease(handle, Qt::LeftButton, {}, at);
}

// The test window over the tuner, its focus on a control of the raw-PWM frame.
struct ServoTests : ServoProgram {
  explicit ServoTests(forms::Control& (*focus)(taskhelm::DSPTestForm&)) {
    program.host.Enter([&] { tests.Show(forms::ShowMode::Modeless); });
    EXPECT_TRUE(QTest::qWaitForWindowActive(&TestWindow()));
    QCoreApplication::processEvents();
    forms::Control& control = focus(tests);
    TestWindow().WidgetOf(control)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(tests.ActiveControl(), &control);
    program.parlink.written.clear();
  }
  qtui::FormWindow& TestWindow() { return *program.host.WindowOf(tests); }
  QWidget* Stop() { return TestWindow().WidgetOf(tests.Command3); }

  taskhelm::DSPTestForm& tests = program.app.Window<taskhelm::DSPTestForm>();
};

// What the tuner sends when it becomes the active window.
constexpr const char* kTunerReRead = "!ZO0@!ZO1@!ZF0@!ZF1@!ZJ@!VT0@!VT1@";

forms::Control& RawPwmGo(taskhelm::DSPTestForm& tests) { return tests.Command6; }
forms::Control& RawPwmY(taskhelm::DSPTestForm& tests) { return tests.YPWMTxt; }

// Stop! held while the tuner, brought forward, re-reads: the press moves the focus, which the
// busy device refuses; the click still goes out, inside the re-read.
TEST_F(InputRules, AHeldStopDuringTheTunersReReadSendsTheStop) {
  for (auto focus : {RawPwmGo, RawPwmY}) {
    ServoTests servo(focus);
    auto& parlink = servo.program.parlink;
    parlink.replies = ServoProgram::ReReadReplies();
    bool clicked = false;
    parlink.onWrite = [&](const std::string& data) {
      if (clicked || data != "!ZJ@") return;
      clicked = true;
      HeldClick(servo.Stop());
    };
    servo.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&servo.Window()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(clicked);
    EXPECT_NE(parlink.written.find("!ZJ@!ZP0,0"), std::string::npos) << parlink.written;
    // The focus stayed where it was; Qt's is there again after the release.
    EXPECT_EQ(servo.tests.ActiveControl(), &focus(servo.tests));
    EXPECT_EQ(servo.TestWindow().focusWidget(), servo.TestWindow().WidgetOf(focus(servo.tests)));

    // The stop brought the test window forward: going back to the tuner reads it again.
    parlink.written.clear();
    parlink.onWrite = nullptr;
    parlink.replies = ServoProgram::ReReadReplies();
    servo.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&servo.Window()));
    QCoreApplication::processEvents();
    EXPECT_EQ(parlink.written, kTunerReRead);
  }
}

// Stop! held while the test window's own line test waits for its reply.
TEST_F(InputRules, AHeldStopDuringTheLineTestSendsTheStop) {
  ServoTests servo(RawPwmGo);
  auto& parlink = servo.program.parlink;
  parlink.replies = {"1,2,3,4,5,6,7,8,9,10,11,12\r"};
  parlink.onWrite = [&](const std::string& data) {
    if (data.rfind("!ZL", 0) == 0) HeldClick(servo.Stop());
  };
  HeldClick(servo.TestWindow().WidgetOf(servo.tests.Command7));
  QCoreApplication::processEvents();
  EXPECT_EQ(parlink.written, "!ZL0,0,0,0,0,,0@!ZP0,0");
  EXPECT_EQ(servo.tests.PosMinA.Caption(), "1");
}

// A held press on the tuner's Send Servo Settings brings the tuner forward; its re-read and then
// the press's own focus move hold the device while the button is down. The click runs after them.
TEST_F(InputRules, AHeldClickThatBroughtTheTunerForwardRunsAfterItsReRead) {
  ServoTests servo(RawPwmGo);
  auto& parlink = servo.program.parlink;
  parlink.replies = ServoProgram::ReReadReplies();
  // Send Servo Settings reads the protection and jam groups back.
  parlink.replies.insert(parlink.replies.end(),
                         {ServoProgram::kFour, ServoProgram::kFour, ServoProgram::kJam});
  parlink.onWrite = [](const std::string&) { QCoreApplication::processEvents(); };
  HeldClick(servo.W(servo.tuner.Command1));
  QCoreApplication::processEvents();
  const std::string& written = parlink.written;
  EXPECT_EQ(written.find(kTunerReRead), 0u) << written;
  EXPECT_NE(written.find("@!ZS0,"), std::string::npos) << written;
}

// The tuner brought forward while the test window's Get Min and Max waits: it reads the device
// as soon as that reply is in.
TEST_F(InputRules, TheTunerBroughtForwardDuringGetMinAndMaxReadsAfterIt) {
  ServoTests servo(RawPwmGo);
  auto& parlink = servo.program.parlink;
  parlink.replies = ServoProgram::ReReadReplies();
  parlink.replies.push_front("7,8,9,10,11,12,13,14\r");
  parlink.onWrite = [&](const std::string& data) {
    if (data == "!ZD0@") HeldClick(servo.W(servo.tuner.X_Friction));
  };
  HeldClick(servo.TestWindow().WidgetOf(servo.tests.GetMinAndMax));
  QCoreApplication::processEvents();
  EXPECT_EQ(parlink.written, std::string("!ZD0@") + kTunerReRead);
  EXPECT_EQ(servo.tests.RegAMin.Caption(), "7");
  EXPECT_TRUE(servo.Window().isActiveWindow());
}

// The tuner and the test window over a serial line to a model 42 whose replies come late; the
// test window is in front, its focus on Raw PWM Go!.
class SerialServo : public SerialProgramTest {
 protected:
  SerialServo() {
    taskhelm::InitModelTable(app);
    app.s.PortName = "COM1";
    app.s.PlotterPresent = true;
    device = sim::Device(42);
    app.s.ModelCode = app.s.DeviceId = 42;
    host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
    host.Enter([&] { EXPECT_TRUE(taskhelm::ConnectDevice(app, true)); });
    host.Enter([&] { tuner.Show(forms::ShowMode::Modeless); });
    host.Enter([&] { tests.Show(forms::ShowMode::Modeless); });
    EXPECT_TRUE(QTest::qWaitForWindowActive(host.WindowOf(tests)));
    QCoreApplication::processEvents();
    host.WindowOf(tests)->WidgetOf(tests.Command6)->setFocus(Qt::MouseFocusReason);
    clock.lookMs = 1;
    device.faults.slowReplyMs = 200;
    device.ClearReceived();
    // The operator acts once the device has this command and its reply is still to come.
    watch.callOnTimeout([this] {
      if (!act || device.Received().find(actAfter) == std::string::npos) return;
      std::exchange(act, nullptr)();
    });
    watch.start(0);
  }

  QWidget* TunerWidget(const forms::Control& c) { return host.WindowOf(tuner)->WidgetOf(c); }
  QWidget* TestsWidget(const forms::Control& c) { return host.WindowOf(tests)->WidgetOf(c); }
  // Runs until the device has had `received`.
  void RunUntilReceived(const std::string& received) {
    for (int i = 0; i < 2000 && device.Received().find(received) == std::string::npos; ++i)
      QCoreApplication::processEvents();
  }

  taskhelm::DSPForm& tuner = app.Window<taskhelm::DSPForm>();
  taskhelm::DSPTestForm& tests = app.Window<taskhelm::DSPTestForm>();
  QTimer watch;
  std::string actAfter;
  std::function<void()> act;
};

TEST_F(SerialServo, AHeldStopDuringTheTunersReReadGoesOutInsideItAndTheTunerReadsAgainLater) {
  actAfter = "!ZJ@";
  act = [this] { HeldClick(TestsWidget(tests.Command3)); };
  host.WindowOf(tuner)->activateWindow();
  RunUntilReceived("!VT1@");
  EXPECT_FALSE(act);
  EXPECT_NE(device.Received().find("!ZJ@!ZP0,0!VT0@"), std::string::npos) << device.Received();

  device.ClearReceived();
  host.WindowOf(tuner)->activateWindow();
  RunUntilReceived("!VT1@");
  EXPECT_EQ(device.Received().find(kTunerReRead), 0u) << device.Received();
}

TEST_F(SerialServo, TheTunerBroughtForwardDuringGetMinAndMaxReadsAfterIt) {
  actAfter = "!ZD0@";
  act = [this] { HeldClick(TunerWidget(tuner.X_Friction)); };
  HeldClick(TestsWidget(tests.GetMinAndMax));
  RunUntilReceived("!VT1@");
  EXPECT_FALSE(act);
  EXPECT_EQ(device.Received(), std::string("!ZD0@") + kTunerReRead);
}

}  // namespace
}  // namespace qtui_tests
