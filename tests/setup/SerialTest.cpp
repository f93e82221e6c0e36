// The port and communication test: instructions, the echo, the CTS indicator, ports and Exit.
#include <gtest/gtest.h>

#include "setup/PortTest.h"
#include "setup/Serial.h"
#include "texts/SerialSteps.h"
#include "tests/setup/SetupTestSupport.h"

namespace {

using setup_tests::SelectedOptions;
using taskhelm::Serial;
using taskhelm::StartPortTest;
using testing_support::AppFixture;
using testing_support::AppOptions;

// Runs the port test with `operate` as the operator of the test window.
bool RunPortTest(AppFixture& f, int16_t mode, const std::function<void(Serial&)>& operate,
                 taskhelm::DeviceWording wording = taskhelm::DeviceWording::Cutter) {
  f.host.modalOperators["Serial"] = [&](forms::Form& form) { operate(static_cast<Serial&>(form)); };
  bool shown = false;
  f.host.Run([&] { shown = StartPortTest(f.app, mode, wording); });
  return shown;
}

void Type(Serial& window, char c) { window.DispatchKeyPress(window.ActiveControl(), c); }

TEST(StartPortTest, ShowsTheInstructionsOfEachTest) {
  struct Row {
    int16_t mode;
    taskhelm::DeviceWording wording;
    int model;
    const char* title;
    const char* text;
  };
  using enum taskhelm::DeviceWording;
  const Row rows[] = {
      {1, Plotter, 33, "Computer Port Test",
       "Disconnect the Plotter and connect the Diagnostic Module\r\nto the computer serial port."},
      {1, Cutter, 32, "Computer Port Test",
       "Disconnect the cutter and connect the serial Diagnostic Module\r\n"
       "to the computer serial port."},
      {0, Plotter, 40, "Communication Test",
       "Turn the Plotter on while holding down the Set Gap\r\n"
       "key until it beeps and light flashes 3 times."},
      {0, Plotter, 35, "Communication Test",
       "Turn the Plotter on while holding down the Sensor Test\r\n"
       "key until it beeps and light flashes 3 times."},
      {0, Cutter, 32, "Communication Test",
       "Turn cutter on while holding down the Test Cut key\r\n"
       "until it beeps and light flashes 3 times."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.text);
    AppFixture f(row.model);
    f.host.answers = {forms::MsgAnswer::Cancel};
    EXPECT_FALSE(RunPortTest(f, row.mode, [](Serial&) {}, row.wording));
    EXPECT_EQ(f.s.PortTestMode, row.mode);
    ASSERT_EQ(f.host.boxes.size(), 1u);
    EXPECT_EQ(f.host.boxes[0].title, row.title);
    EXPECT_EQ(f.host.boxes[0].text, row.text);
    EXPECT_EQ(f.host.boxes[0].buttons, forms::MsgButtons::OKCancel);
    EXPECT_TRUE(f.host.shownForms.empty());
  }
}

TEST(StartPortTest, PortThatDoesNotOpen) {
  AppFixture f;
  f.UseSerialPort(5);  // nothing hangs there
  EXPECT_FALSE(RunPortTest(f, 1, [](Serial&) {}));
  ASSERT_FALSE(f.host.boxes.empty());
  EXPECT_EQ(f.host.boxes.back().text, "Could not open COM5");
  EXPECT_EQ(f.host.boxes.back().title, "ERROR");
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
  EXPECT_TRUE(f.host.shownForms.empty());
}

TEST(SerialLoad, CaptionInstructionsAndParallelOptionsByModeAndModel) {
  namespace steps = taskhelm::serial_steps;
  struct Row {
    int16_t mode;
    int model;
    const char* caption;
    const char* steps;
    bool parallelOptions;
  };
  const Row rows[] = {
      {1, 32, "Computer Port Test", steps::kComputerPort, false},
      {0, 42, "Communication Test", steps::kCutter, true},
      {0, 47, "Communication Test", steps::kCutter, true},
      {0, 33, "Serial Test", steps::kPenPlotter, false},
      {0, 35, "Serial Test", steps::kRollFeed, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.model);
    AppFixture f(row.model);
    f.s.PortTestMode = row.mode;
    Serial& w = f.app.Window<Serial>();
    EXPECT_EQ(w.Caption(), row.caption);
    EXPECT_EQ(w.SerInstr.Caption(), row.steps);
    EXPECT_EQ(w.ParCom1.Enabled(), row.parallelOptions);
    EXPECT_EQ(w.ParCom4.Enabled(), row.parallelOptions);
    EXPECT_EQ(w.ParCom4.Caption(), "User");
    EXPECT_EQ(SelectedOptions(w), "SerCom1");
    EXPECT_EQ(w.CTS.Caption(), "ON");
    EXPECT_EQ(w.Timer1.Interval(), 100);
  }
}

TEST(SerialEcho, DiagnosticPlugEchoShowsOnBothSides) {
  AppFixture f;
  f.device.SetMode(sim::ReceiveMode::Echo);
  std::string tx, rx;
  EXPECT_TRUE(RunPortTest(f, 1, [&](Serial& w) {
    Type(w, 'A');
    tx = w.Tx.Caption();
    rx = w.Rx.Caption();
    w.SerialExit.Press();
  }));
  EXPECT_EQ(tx, "A ");
  EXPECT_EQ(rx, "A ");
  EXPECT_EQ(f.device.Received(), "A");
  EXPECT_EQ(f.host.boxes.size(), 1u);  // only the instructions
  EXPECT_EQ(f.host.pointer, forms::Pointer::Default);
}

TEST(SerialEcho, WrongEchoesShowOneBoxPerWindowLife) {
  struct Row {
    int16_t mode;
    const char* title;
    const char* text;
  };
  const Row rows[] = {
      {0, "Error Receiving Character",
       "CTS handshake line and Kelvaro R/V  Green light must be ON."},
      {1, "ERROR", "Error receiving character."},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.mode);
    AppFixture f;
    f.device.faults.silent = true;
    std::string rx;
    RunPortTest(f, row.mode, [&](Serial& w) {
      Type(w, 'A');
      Type(w, 'B');
      rx = w.Rx.Caption();
      w.SerialExit.Press();
    });
    int errors = 0;
    for (const auto& box : f.host.boxes)
      if (box.title == row.title && box.text == row.text) ++errors;
    EXPECT_EQ(errors, 1);
    EXPECT_EQ(rx, "");
    // A new window life reports again.
    f.host.boxes.clear();
    RunPortTest(f, row.mode, [&](Serial& w) {
      Type(w, 'C');
      w.SerialExit.Press();
    });
    errors = 0;
    for (const auto& box : f.host.boxes)
      if (box.title == row.title) ++errors;
    EXPECT_EQ(errors, 1);
  }
}

TEST(SerialEcho, ParallelPortEchoAndCts) {
  AppFixture f;
  f.UseParallelPort(1);
  f.parlink.replies = {"A"};
  std::string tx, rx, cts;
  bool ctsEnabled = true;
  RunPortTest(f, 0, [&](Serial& w) {
    EXPECT_EQ(SelectedOptions(w), "ParCom1");
    Type(w, 'A');
    f.host.Advance(500);  // the timer ticks, and leaves the indicator alone
    tx = w.Tx.Caption();
    rx = w.Rx.Caption();
    cts = w.CTS.Caption();
    ctsEnabled = w.CTS.Enabled();
    w.SerialExit.Press();
  });
  EXPECT_EQ(f.parlink.written, "A");
  EXPECT_EQ(tx, "A ");
  EXPECT_EQ(rx, "A ");
  EXPECT_EQ(cts, "No");
  EXPECT_FALSE(ctsEnabled);
}

TEST(SerialCts, IndicatorFollowsTheLine) {
  AppFixture f;
  std::vector<std::string> shown;
  RunPortTest(f, 1, [&](Serial& w) {
    shown.push_back(w.CTS.Caption());
    f.device.faults.ctsLow = true;
    f.host.Advance(150);
    shown.push_back(w.CTS.Caption());
    f.device.faults.ctsLow = false;
    f.host.Advance(150);
    shown.push_back(w.CTS.Caption());
    w.SerialExit.Press();
  });
  EXPECT_EQ(shown, (std::vector<std::string>{"ON", "OFF", "ON"}));
}

TEST(SerialPorts, SwitchingBetweenSerialAndParallel) {
  AppOptions options;
  options.line.ports = {1, 2};
  AppFixture f(options);
  RunPortTest(f, 0, [&](Serial& w) {
    w.ParCom3.SetValue(true);
    EXPECT_FALSE(f.line.IsOpen());
    EXPECT_EQ(f.s.PortName, "COM0");
    EXPECT_EQ(f.s.LptPortName, "LPT3");
    EXPECT_EQ(f.s.LptNumber, 3);
    EXPECT_EQ(f.s.PendingPortName, "COM0");
    EXPECT_EQ(f.s.PendingLptName, "LPT3");
    EXPECT_EQ(f.parlink.openedPort, 3);
    EXPECT_EQ(w.CTS.Caption(), "No");

    w.SerCom2.SetValue(true);
    EXPECT_FALSE(f.parlink.open);
    EXPECT_EQ(f.s.PortName, "COM2");
    EXPECT_EQ(f.line.PortNumber(), 2);
    EXPECT_TRUE(f.line.IsOpen());
    EXPECT_EQ(f.s.LptPortName, "LPT0");
    w.SerialExit.Press();
  });
  // The next test starts on the serial port chosen last.
  RunPortTest(f, 0, [&](Serial& w) {
    EXPECT_EQ(SelectedOptions(w), "SerCom2");
    w.SerialExit.Press();
  });
  EXPECT_EQ(f.s.PortName, "COM2");
  for (const auto& box : f.host.boxes) EXPECT_NE(box.title, "ERROR") << box.text;
}

TEST(SerialExit, TurnOffReminderOnlyInTheCommunicationTest) {
  struct Row {
    int16_t mode;
    bool reminder;
  };
  for (Row row : {Row{0, true}, Row{1, false}}) {
    SCOPED_TRACE(row.mode);
    AppFixture f;
    RunPortTest(f, row.mode, [](Serial& w) { w.SerialExit.Press(); });
    ASSERT_EQ(f.host.boxes.size(), row.reminder ? 2u : 1u);
    if (row.reminder) {
      EXPECT_EQ(f.host.boxes[1].text, "Turn off Kelvaro R/V .");
      EXPECT_EQ(f.host.boxes[1].title, "Exit Serial Test");
      EXPECT_EQ(f.host.boxes[1].icon, forms::MsgIcon::Exclamation);
    }
    EXPECT_FALSE(f.app.LoadedWindow<Serial>());
  }
}

}  // namespace
