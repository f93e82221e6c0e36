// The carriage calibration: reading the values, the field limits, Set and Reset, and the test
// ladder with the restore of the values read before it.
#include <gtest/gtest.h>

#include "calibration/CarrCalib.h"
#include "tests/calibration/CalibrationHarness.h"
#include "tests/support/ReplyFaults.h"

namespace calibration_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgIcon;
using taskhelm::CarrCalib;

TEST(CarrCalibLoad, ShowsTheModelsValuesAndWhatCanBeEdited) {
  struct Row {
    int model;
    const char *force, *duration, *coastForce, *coastTime;
    bool durationEditable, coastForceEditable, coastTimeEditable;
  };
  const Row rows[] = {
      {39, "55", "29", "", "", true, false, true},
      {33, "55", "29", "", "", true, false, true},
      {32, "100", "12", "80", "5", false, true, false},
      {35, "100", "12", "80", "5", false, true, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.model);
    CalibrationHarness h({.model = row.model});
    h.Show<CarrCalib>([&](CarrCalib& w) {
      EXPECT_EQ(w.Caption(), "Carriage Calibration");
      EXPECT_EQ(w.ParamCount, row.coastForce[0] ? 4 : 2);
      EXPECT_EQ(w.ForceCalib.Text(), row.force);
      EXPECT_EQ(w.DurationCalib.Text(), row.duration);
      EXPECT_EQ(w.ForceCoast.Text(), row.coastForce);
      EXPECT_EQ(w.DurationCoast.Text(), row.coastTime);
      EXPECT_TRUE(w.ForceCalib.Enabled());
      EXPECT_EQ(w.DurationCalib.Enabled(), row.durationEditable);
      EXPECT_EQ(w.ForceCoast.Enabled(), row.coastForceEditable);
      EXPECT_EQ(w.DurationCoast.Enabled(), row.coastTimeEditable);
    });
    EXPECT_EQ(h.Received(), "!IC@!OC@");
    EXPECT_TRUE(h.f.host.boxes.empty());
  }
}

// Unanswered, or answered without the carriage values as numbers: the device counts as missing.
TEST(CarrCalibLoad, UnreadableValuesReportTheDeviceMissing) {
  struct Row {
    std::string name;
    int model;
    std::function<void(sim::Device&)> fault;
  };
  std::vector<Row> rows = {
      {"silent", 39, [](sim::Device& d) { d.faults.silentCommands.insert("OC"); }},
      {"no comma", 39, [](sim::Device& d) { d.faults.shortReplies["OC"] = 1; }},
  };
  for (int model : {39, 32})
    for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults())
      rows.push_back({std::string(fault.name) + " on " + std::to_string(model), model,
                      [&fault](sim::Device& d) { testing_support::GarbleReply(d, "OC", "!OC@", fault); }});
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CalibrationHarness h({.model = row.model});
    h.f.device.Receive(row.model == 39 ? "!CC85,29@" : "!CC85,29,60,2@");
    h.f.s.CarriageForce = 70;
    h.f.s.CoastForce = 90;
    row.fault(h.f.device);
    h.Show<CarrCalib>([&](CarrCalib& w) {
      EXPECT_EQ(w.ForceCalib.Text(), "");
      EXPECT_EQ(w.ForceCoast.Text(), "");
    });
    ASSERT_NE(h.f.host.LastBox(), nullptr);
    EXPECT_EQ(h.f.host.LastBox()->text, "Setup Com Port and Check Plotter Present.");
    EXPECT_EQ(h.f.host.LastBox()->title, "Plotter Not Present");
    EXPECT_EQ(h.f.host.LastBox()->icon, MsgIcon::Exclamation);
    EXPECT_GE(h.f.host.beeps, 1);
    // "85" without its comma is not the carriage values: the force keeps its old value.
    EXPECT_EQ(h.f.s.CarriageForce, 70);
    EXPECT_EQ(h.f.s.CoastForce, 90);
    EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  }
}

TEST(CarrCalibFields, LimitsOnLeavingAndSpinning) {
  struct Row {
    forms::TextBox CarrCalib::*box;
    forms::SpinButton CarrCalib::*spin;  // nullptr: typed only
    int step;
    const char *typed, *shown;
    int32_t taskhelm::SharedState::*value;
  };
  using C = CarrCalib;
  using S = taskhelm::SharedState;
  const Row rows[] = {
      {&C::ForceCalib, nullptr, 0, "6000", "200", &S::CarriageForce},  // above the range: 200
      {&C::ForceCalib, nullptr, 0, "0", "1", &S::CarriageForce},
      {&C::ForceCalib, nullptr, 0, "abc", "1", &S::CarriageForce},
      {&C::ForceCalib, nullptr, 0, "4999.5", "5000", &S::CarriageForce},
      {&C::ForceCalib, &C::ForceCalibSpin, +1, "5000", "200", &S::CarriageForce},
      {&C::ForceCalib, &C::ForceCalibSpin, -1, "1", "1", &S::CarriageForce},
      {&C::ForceCalib, &C::ForceCalibSpin, -1, "-7", "1", &S::CarriageForce},
      {&C::DurationCalib, nullptr, 0, "300", "250", &S::CarriageDuration},
      {&C::DurationCalib, &C::DurationCalibSpin, +1, "250", "250", &S::CarriageDuration},
      {&C::DurationCoast, nullptr, 0, "60", "50", &S::CoastTime},
      {&C::DurationCoast, &C::DurationCoastSpin, -1, "12", "11", &S::CoastTime},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.typed);
    CalibrationHarness h({.model = 39});
    h.Show<CarrCalib>([&](CarrCalib& w) {
      forms::TextBox& box = w.*row.box;
      if (row.spin) {
        box.SetText(row.typed);
        if (row.step > 0)
          (w.*row.spin).Up();
        else
          (w.*row.spin).Down();
      } else {
        CalibrationHarness::Type(box, row.typed, w.DoneCarrCal);
      }
      EXPECT_EQ(box.Text(), row.shown);
      EXPECT_EQ(h.f.s.*row.value, std::stoi(row.shown));
    });
  }
}

TEST(CarrCalibFields, EnterGoesToTheNextEditableBoxThenToSet) {
  for (int model : {39, 32}) {
    CalibrationHarness h({.model = model});
    h.Show<CarrCalib>([&](CarrCalib& w) {
      w.ForceCalib.SetFocus();
      w.DispatchKeyPress(&w.ForceCalib, forms::Key::Return);
      if (model == 39) {
        EXPECT_TRUE(w.DurationCalib.HasFocus());
        w.DispatchKeyPress(&w.DurationCalib, forms::Key::Return);
      } else {
        EXPECT_TRUE(w.ForceCoast.HasFocus());  // the duration cannot be edited here
        w.DispatchKeyPress(&w.ForceCoast, forms::Key::Return);
      }
      EXPECT_TRUE(w.SetFactCarrCal.HasFocus());
    });
  }
}

TEST(CarrCalibSet, SendsTheValuesReadsThemBackAndResets) {
  struct Row {
    int model;
    const char* force;
    const char* sent;
  };
  const Row rows[] = {{39, "85", "!CC85,29@"}, {32, "90", "!CC90,12,80,5@"}};
  for (const Row& row : rows) {
    CalibrationHarness h({.model = row.model});
    h.f.device.ClearReceived();
    int64_t took = 0;
    h.Show<CarrCalib>([&](CarrCalib& w) {
      CalibrationHarness::Type(w.ForceCalib, row.force, w.SetFactCarrCal);
      took = h.Timed([&] { w.SetFactCarrCal.Press(); });
      EXPECT_EQ(w.ForceCalib.Text(), row.force);
      w.ResetFactCarrCal.Press();
      EXPECT_EQ(w.ForceCalib.Text(), row.model == 39 ? "55" : "100");
    });
    EXPECT_EQ(h.Received(), std::string("!IC@!OC@") + row.sent + "!OC@!CC@!OC@");
    EXPECT_GE(took, 1000);
    EXPECT_TRUE(h.f.host.boxes.empty());
  }
}

// Boxes the device never filled hold no carriage values: Set sends nothing from them, only reads,
// and once the read fills them Set sends what they show.
TEST(CarrCalibSet, BoxesTheDeviceNeverFilledSendNothing) {
  for (const char* fault : {"silent", "garbled"}) {
    SCOPED_TRACE(fault);
    CalibrationHarness h({.model = 32});
    if (fault == std::string("silent"))
      h.f.device.faults.silentCommands.insert("OC");
    else
      h.f.device.faults.replacedReplies["OC"] = std::string(sim::kGarbage) + ",";
    h.Show<CarrCalib>([&](CarrCalib& w) {
      CalibrationHarness::Type(w.ForceCalib, "", w.SetFactCarrCal);
      h.f.device.ClearReceived();
      h.f.host.boxes.clear();
      w.SetFactCarrCal.Press();
      EXPECT_EQ(h.Received(), "!OC@");
      ASSERT_NE(h.f.host.LastBox(), nullptr);
      EXPECT_EQ(h.f.host.LastBox()->text, "Setup Com Port and Check Plotter Present.");

      h.f.device.faults = {};
      h.f.device.ClearReceived();
      w.SetFactCarrCal.Press();
      EXPECT_EQ(h.Received(), "!OC@");
      EXPECT_EQ(w.ForceCalib.Text(), "100");
      h.f.device.ClearReceived();
      w.SetFactCarrCal.Press();
      EXPECT_EQ(h.Received(), "!CC100,12,80,5@!OC@");
    });
  }
}

// A blocked send is reported by the port layer; Set still reads back, Reset does not.
TEST(CarrCalibSet, FailedSendsReadBackOnlyAfterSet) {
  CalibrationHarness h({.model = 39});
  h.Show<CarrCalib>([&](CarrCalib& w) {
    h.f.device.faults.ctsLow = true;
    h.f.device.ClearReceived();
    w.SetFactCarrCal.Press();
    w.ResetFactCarrCal.Press();
  });
  EXPECT_EQ(h.Received(), "");
}

TEST(CarrCalibPlot, LadderThenTheValuesReadBefore) {
  struct Row {
    int model;
    size_t ladderLength;
    const char* firstRungs;
    const char* restore;
  };
  const Row rows[] = {
      {39, 292, "!CC25,29 TP@ PU0,1250 !CC30,29 TP@ PU0,2500 ", "!CC85,29@"},
      {32, 314, "!CC100,12,40,5 TP@ PU0,1250 !CC100,12,48,5 TP@ PU0,2500", "!CC85,29,60,2@"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.model);
    CalibrationHarness h({.model = row.model});
    h.f.device.Receive(row.model == 39 ? "!CC85,29@" : "!CC85,29,60,2@");
    h.Show<CarrCalib>([&](CarrCalib& w) {
      h.f.device.ClearReceived();
      w.CarCalPlot.Press();
    });
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].text, "Wait until plot is finished.");
    EXPECT_EQ(h.f.host.boxes[0].title, "Carriage Calibration Plot");
    EXPECT_EQ(h.f.host.boxes[0].buttons, forms::MsgButtons::OKCancel);
    const std::string sent = h.Received();
    ASSERT_EQ(sent.substr(0, 4), "!OC@");
    const std::string ladder = sent.substr(4, row.ladderLength);
    EXPECT_EQ(ladder.rfind(row.firstRungs, 0), 0u) << ladder;
    EXPECT_EQ(sent.substr(4 + row.ladderLength), row.restore);
    // The device holds again what it held before the plot.
    h.f.device.ClearReceived();
    h.f.device.Receive("!OC@");
    EXPECT_EQ(h.f.device.TakeOutput(), std::string(row.restore).substr(3, std::string(row.restore).size() - 4) + "\r");
  }
}

// The device plotting the ladder holds CTS low for longer than any command may take; the program
// waits for it and sends the restore after it, with no error.
TEST(CarrCalibPlot, LadderWaitsForTheDeviceToFinishPlotting) {
  CalibrationHarness h({.model = 39});
  h.f.device.Receive("!CC85,29@");
  int64_t busyUntil = -1;
  h.f.device.SetPlotDataHandler([&](sim::Device& device, std::string_view bytes) {
    if (busyUntil < 0) {
      busyUntil = h.f.host.NowMs() + 130000;  // beyond the restore's own time-out
      device.SetBusy(true);
    }
    return bytes.size();
  });
  h.f.host.onPump = [&] {
    if (busyUntil >= 0 && h.f.host.NowMs() >= busyUntil) h.f.device.SetBusy(false);
  };
  h.Show<CarrCalib>([&](CarrCalib& w) {
    h.f.device.ClearReceived();
    w.CarCalPlot.Press();
  });
  EXPECT_EQ(BoxTitles(h.f.host), "Carriage Calibration Plot");
  EXPECT_FALSE(h.f.s.SendingFile);
  const std::string sent = h.Received();
  EXPECT_EQ(sent.size(), 4u + 292u + 9u);
  EXPECT_EQ(sent.substr(sent.size() - 9), "!CC85,29@");
}

// The parallel port taking the ladder in pieces is written on until all of it is through.
TEST(CarrCalibPlot, LadderWrittenInPiecesOverTheParallelPort) {
  CalibrationHarness h({.model = 39});
  h.f.UseParallelPort(1);
  h.f.parlink.replies = {"39\r", "85,29\r", "85,29\r"};
  h.Show<CarrCalib>([&](CarrCalib& w) {
    h.f.parlink.writeLimits = {4, 100, 0, 0, 50};  // the query, then the ladder in pieces
    w.CarCalPlot.Press();
  });
  EXPECT_EQ(BoxTitles(h.f.host), "Carriage Calibration Plot");
  const std::string& written = h.f.parlink.written;
  EXPECT_EQ(written.size(), 12u + 292u + 9u);
  EXPECT_EQ(written.substr(12, 22), "!CC25,29 TP@ PU0,1250 ");
  EXPECT_EQ(written.substr(written.size() - 9), "!CC85,29@");
}

TEST(CarrCalibPlot, RefusedOrStoppedWithoutTheDevice) {
  struct Row {
    const char* name;
    std::function<void(CalibrationHarness&)> arrange;
    std::optional<MsgAnswer> answer;
    const char* sent;
    const char* lastText;
  };
  const Row rows[] = {
      {"not present", [](CalibrationHarness& h) { h.f.s.PlotterPresent = false; }, {}, "",
       "Setup Com Port and Check Plotter Present."},
      {"cancelled", [](CalibrationHarness&) {}, MsgAnswer::Cancel, "",
       "Wait until plot is finished."},
      // Without the values in force nothing could be restored after the ladder: no plot.
      {"values unreadable",
       [](CalibrationHarness& h) { h.f.device.faults.silentCommands.insert("OC"); }, {}, "!OC@",
       "Setup Com Port and Check Plotter Present."},
      {"short reply",
       [](CalibrationHarness& h) { h.f.device.faults.shortReplies["OC"] = 1; }, {}, "!OC@",
       "Setup Com Port and Check Plotter Present."},
  };
  std::vector<Row> all(std::begin(rows), std::end(rows));
  // Values the restore cannot carry (16-bit force and duration): the device would not get back
  // what it held, so no plot.
  for (const char* reply : {"40000,29", "-32769,29", "85,70000"})
    all.push_back({reply,
                   [reply](CalibrationHarness& h) { h.f.device.faults.replacedReplies["OC"] = reply; },
                   {}, "!OC@",
                   "The plotter reports carriage values that could not be restored after the "
                   "plot. No calibration plot."});
  // A garbled reply holds no values to restore either.
  for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults())
    all.push_back({fault.name,
                   [&fault](CalibrationHarness& h) {
                     testing_support::GarbleReply(h.f.device, "OC", "!OC@", fault);
                   },
                   {}, "!OC@", "Setup Com Port and Check Plotter Present."});
  for (const Row& row : all) {
    SCOPED_TRACE(row.name);
    CalibrationHarness h({.model = 39});
    h.Show<CarrCalib>([&](CarrCalib& w) {
      row.arrange(h);
      h.f.device.ClearReceived();
      if (row.answer) h.f.host.answers = {*row.answer};
      w.CarCalPlot.Press();
    });
    EXPECT_EQ(h.Received(), row.sent);
    ASSERT_NE(h.f.host.LastBox(), nullptr);
    EXPECT_EQ(h.f.host.LastBox()->text, row.lastText);
    EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  }
}

}  // namespace
}  // namespace calibration_tests
