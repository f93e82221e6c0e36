// The sensor calibration: offsets and adjustment as the device reports them, "Err" for short
// replies, the paced self-calibration and the checked fine adjustment.
#include <gtest/gtest.h>

#include "calibration/SensorCal.h"
#include "tests/calibration/CalibrationHarness.h"

namespace calibration_tests {
namespace {

using taskhelm::SensorCal;

std::string Offsets(const SensorCal& w) {
  return w.Label5.Caption() + " " + w.Label6.Caption() + " " + w.Label7.Caption() + " " +
         w.Label8.Caption();
}

std::string Adjustment(const SensorCal& w) {
  return w.txtXSensorAdjust.Text() + " " + w.txtYSensorAdjust.Text();
}

TEST(SensorCalLoad, ShowsWhatTheDeviceReports) {
  struct Row {
    const char* name;
    std::function<void(sim::Faults&)> fault;
    const char *offsets, *adjustment;
  };
  const Row rows[] = {
      {"whole replies", [](sim::Faults&) {}, "112 -97 104 -88", "0 0"},
      {"three offsets", [](sim::Faults& f) { f.shortReplies["SO"] = 3; }, "Err Err Err Err",
       "0 0"},
      {"adjustment without comma", [](sim::Faults& f) { f.shortReplies["RA"] = 1; },
       "112 -97 104 -88", "Err Err"},
      {"no offsets", [](sim::Faults& f) { f.silentCommands.insert("SO"); }, "   ", "0 0"},
      {"no adjustment", [](sim::Faults& f) { f.silentCommands.insert("RA"); }, "112 -97 104 -88",
       " "},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CalibrationHarness h({.model = 32, .id = 50});
    row.fault(h.f.device.faults);
    h.Show<SensorCal>([&](SensorCal& w) {
      EXPECT_EQ(w.Caption(), "Sensor Calibration");
      EXPECT_EQ(Offsets(w), row.offsets);
      EXPECT_EQ(Adjustment(w), row.adjustment);
    });
    EXPECT_EQ(h.Received(), "!SO@!RA@");
    EXPECT_EQ(h.f.host.pointer, forms::Pointer::Default);
  }
}

TEST(SensorCalCalibrate, WaitsTheFullTimeThenReadsAgain) {
  CalibrationHarness h({.model = 32, .id = 50});
  h.f.device.Receive("!RA12,-7@");
  int64_t took = 0;
  int pumps = 0;
  h.Show<SensorCal>([&](SensorCal& w) {
    EXPECT_EQ(Adjustment(w), "12 -7");
    h.f.device.ClearReceived();
    const int before = h.f.host.pumps;
    took = h.Timed([&] { w.Command1.Press(); });
    pumps = h.f.host.pumps - before;
    EXPECT_EQ(Offsets(w), "106 -101 99 -92");
    EXPECT_EQ(Adjustment(w), "0 0");
  });
  EXPECT_EQ(h.Received(), "!CS@!SO@!RA@");
  EXPECT_GE(took, 15100);
  EXPECT_LT(took, 16500);  // the wait, the send and the two reads
  EXPECT_GE(pumps, 151);  // window events run during the wait
}

TEST(SensorCalSend, SendsWholeMilsAndRefusesWhatIsNoNumber) {
  struct Row {
    const char *x, *y;
    char decimal;
    const char* sent;  // "" = refused
  };
  const Row rows[] = {
      {"5", "-3", '.', "!RA5,-3@!RA@"},
      {" +5 ", "-3.0", '.', "!RA5,-3@!RA@"},
      {"4,5", "2,5", ',', "!RA4,2@!RA@"},  // whole mils, halves to the even neighbour
      {"5@", "-3", '.', ""},
      {"5", "!DD", '.', ""},
      {"Err", "Err", '.', ""},
      {"", "1", '.', ""},
      {"1e3", "1", '.', ""},
      {"32767", "-32768", '.', "!RA32767,-32768@!RA@"},
      {"32768", "1", '.', ""},
      {"99999999999999999999999999999999999999999", "1", '.', ""},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(std::string(row.x) + " " + row.y);
    CalibrationHarness h({.model = 32, .id = 50, .decimal = row.decimal});
    int64_t took = 0;
    h.Show<SensorCal>([&](SensorCal& w) {
      h.f.device.ClearReceived();
      w.txtXSensorAdjust.SetText(row.x);
      w.txtYSensorAdjust.SetText(row.y);
      took = h.Timed([&] { w.btnSendSensorAdjust.Press(); });
    });
    EXPECT_EQ(h.Received(), row.sent);
    if (*row.sent) {
      EXPECT_GE(took, 1100);
      EXPECT_TRUE(h.f.host.boxes.empty());
    } else {
      ASSERT_EQ(h.f.host.boxes.size(), 1u);
      EXPECT_EQ(h.f.host.boxes[0].text, "Enter the X and Y adjustment as numbers of mils.");
      EXPECT_EQ(h.f.host.boxes[0].title, "ERROR");
    }
  }
}

TEST(SensorCalSend, ShowsTheAdjustmentTheDeviceTook) {
  CalibrationHarness h({.model = 32, .id = 50});
  h.Show<SensorCal>([&](SensorCal& w) {
    w.txtXSensorAdjust.SetText("5");
    w.txtYSensorAdjust.SetText("-3");
    w.btnSendSensorAdjust.Press();
    EXPECT_EQ(Adjustment(w), "5 -3");
    w.Command2.Press();
  });
  EXPECT_FALSE(h.f.app.LoadedWindow<SensorCal>());
}

}  // namespace
}  // namespace calibration_tests
