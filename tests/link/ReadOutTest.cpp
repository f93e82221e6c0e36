// The settings read-out: dump values mapped and clamped per family, the follow-up queries, and
// the model check.
#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "link/Identify.h"
#include "tests/support/AppFixture.h"
#include "tests/support/ReplyFaults.h"

namespace taskhelm {
namespace {

using testing_support::AppFixture;

TEST(ReadOut, CutterDumpFillsTheRecord) {
  AppFixture f;
  f.device.Settings().PanelSizeX = 838000;
  f.device.Settings().CutterWidth = 30000;
  f.device.Settings().AutoLoopOn = 1;
  ASSERT_TRUE(ReadDeviceSettings(f.app));
  EXPECT_EQ(f.s.PanelSizeX, 838000);
  EXPECT_EQ(f.s.CutterWidth, 30000);
  EXPECT_EQ(f.s.CutterSizeClass, 30);
  EXPECT_EQ(f.s.AutoLoopOn, -1);  // flags come in as True
  EXPECT_EQ(f.device.Received(), "!DD@");
}

struct ClampCase {
  const char* name;
  int model;
  size_t index;
  float value;
  int16_t SharedState::*field;
  int expected;
};

class DumpClamp : public ::testing::TestWithParam<ClampCase> {};

TEST_P(DumpClamp, MapsTheValueIntoItsBounds) {
  const ClampCase& c = GetParam();
  AppFixture f(c.model);
  f.s.DumpParams.fill(0);
  f.s.DumpParams[8] = 50;  // ForceMin / plotter speed baseline
  f.s.DumpParams[9] = 100;
  f.s.DumpParams[c.index] = c.value;
  switch (c.model) {
    case 33: case 34: case 40: case 41: ApplyPlotterSettings(f.app); break;
    case 35: ApplyRollFeedSettings(f.app); break;
    default: ApplyCutterSettings(f.app); break;
  }
  EXPECT_EQ(f.s.*c.field, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Families, DumpClamp,
    ::testing::Values(
        ClampCase{"Speed50_8", 33, 8, 50.8f, &SharedState::KeypadSpeed, 20},
        ClampCase{"Speed80", 33, 8, 80, &SharedState::KeypadSpeed, 30},
        ClampCase{"SpeedHalf", 33, 8, 0.5f, &SharedState::KeypadSpeed, 1},
        ClampCase{"MaxForceBelowMin", 32, 9, 20, &SharedState::ForceMax, 50},
        ClampCase{"HeavyCutterForce", 42, 9, 1900, &SharedState::ForceMax, 1900},
        ClampCase{"LightCutterForce", 32, 9, 1900, &SharedState::ForceMax, 400},
        ClampCase{"Offset39", 39, 10, 75, &SharedState::BladeOffset, 60},
        ClampCase{"Offset32", 32, 10, 175, &SharedState::BladeOffset, 100},
        ClampCase{"Cornering39", 39, 25, 20, &SharedState::CorneringMode, 13},
        ClampCase{"ScaleZero", 32, 3, 0, &SharedState::ScaleX, 1},
        ClampCase{"AccelHalf", 32, 7, 12.5f, &SharedState::AccelSetting, 12},
        ClampCase{"PlotterForce33", 33, 10, 400, &SharedState::ForceMax, 275},
        ClampCase{"PlotterForce34", 34, 10, 400, &SharedState::ForceMax, 400},
        ClampCase{"PlotterSensor34", 34, 11, 1, &SharedState::SensorEnabled, 0},
        ClampCase{"PlotterSensor40", 40, 11, 1, &SharedState::SensorEnabled, -1},
        ClampCase{"RollFeedOn", 35, 17, -1, &SharedState::RollFeedOn, 1},
        ClampCase{"RollFeedGap", 35, 18, -5000, &SharedState::FrameGap, -1000},
        ClampCase{"PounceLength", 32, 23, 10, &SharedState::PounceCutLength, 40}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ReadOut, ClampingWritesBackIntoTheDump) {
  AppFixture f;
  f.s.DumpParams.fill(0);
  f.s.DumpParams[1] = 900000;
  ApplyCutterSettings(f.app);
  EXPECT_EQ(f.s.DumpParams[1], 838000);
}

TEST(ReadOut, FailuresAndTheirMessages) {
  struct Case {
    const char* name;
    void (*apply)(sim::Faults&);
    const char* box;
  };
  const Case cases[] = {
      {"silent", [](sim::Faults& x) { x.silent = true; }, "No Response"},
      {"short", [](sim::Faults& x) { x.shortDump = true; }, "Wrong number of parameters returned."},
      {"no end", [](sim::Faults& x) { x.dumpWithoutUnderscore = true; }, nullptr},
      {"nul bytes in a value", [](sim::Faults& x) { x.nulInReply = true; },
       "Wrong number of parameters returned."},
  };
  for (const Case& c : cases) {
    AppFixture f;
    f.s.ReportErrors = false;  // "No Response" shows whatever this says
    c.apply(f.device.faults);
    EXPECT_FALSE(ReadDeviceSettings(f.app)) << c.name;
    if (c.box) {
      ASSERT_EQ(f.host.boxes.size(), 1u) << c.name;
      EXPECT_EQ(f.host.boxes[0].text, c.box);
      EXPECT_EQ(f.host.boxes[0].title, "rendix48");
    } else {
      EXPECT_TRUE(f.host.boxes.empty()) << c.name;
    }
  }
}

TEST(ReadOut, TangentialVariantAlsoReadsItsKnife) {
  AppFixture f(32, 50);
  f.s.DeviceId = 50;
  f.device.Settings().TangentialForce = 130;
  f.device.Settings().TangentialLength = 45;
  f.device.Settings().TangentialEnable = 1;
  ASSERT_TRUE(ReadDeviceSettings(f.app));
  EXPECT_EQ(f.device.Received(), "!DD@!TD@");
  EXPECT_EQ(f.s.TangentialEnable, 1);
  EXPECT_EQ(f.s.TangentialForce, 130);
  EXPECT_EQ(f.s.TangentialLength, 45);
}

// A knife reply without its three numbers is no reply: the read-out fails as when the device is
// silent, and the knife keeps its values rather than getting zeros to send back.
TEST(ReadOut, AKnifeReplyWithoutItsThreeNumbersIsNone) {
  for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults()) {
    SCOPED_TRACE(fault.name);
    AppFixture f(32, 50);
    f.s.DeviceId = 50;
    f.s.TangentialEnable = 1;
    f.s.TangentialForce = 130;
    f.s.TangentialLength = 45;
    testing_support::GarbleReply(f.device, "TD", "!TD@", fault);
    EXPECT_FALSE(ReadDeviceSettings(f.app));
    EXPECT_EQ(f.device.Received(), "!DD@!TD@");
    EXPECT_EQ(f.s.TangentialEnable, 1);
    EXPECT_EQ(f.s.TangentialForce, 130);
    EXPECT_EQ(f.s.TangentialLength, 45);
  }
}

// A dump number beyond single precision is kept as the largest single, never as an infinity.
TEST(ReadOut, ADumpNumberBeyondSinglePrecisionIsTheLargestSingle) {
  AppFixture f;
  std::string dump = testing_support::ReplyOf(f.device, "!DD@");
  size_t at = 0;
  for (int i = 0; i < 13; ++i) at = dump.find('\n', at) + 1;
  dump.replace(at, dump.find('\n', at) - at, "1" + std::string(40, '0'));
  f.device.faults.replacedReplies["DD"] = dump;
  ASSERT_TRUE(ReadDeviceSettings(f.app));
  EXPECT_EQ(f.s.XScaleCal, std::numeric_limits<float>::max());
  EXPECT_EQ(f.s.DumpParams[13], std::numeric_limits<float>::max());
}

TEST(ReadOut, PenPlotter33ReadsItsMarkSkip) {
  AppFixture f(33);
  f.device.Settings().MarkSkip = 3;
  ASSERT_TRUE(ReadDeviceSettings(f.app));
  EXPECT_EQ(f.device.Received(), "!DD@!FS@");
  EXPECT_EQ(f.s.MarkSkip, 3);
}

TEST(Identify, SetsTheDeviceIdAndMapsIt) {
  AppFixture f(32, 50);
  EXPECT_EQ(IdentifyDevice(f.app), 32);
  EXPECT_EQ(f.s.DeviceId, 50);
  f.device.faults.silent = true;
  f.s.ReportErrors = false;
  EXPECT_EQ(IdentifyDevice(f.app), -1);
  EXPECT_EQ(f.s.DeviceId, 50);
}

struct VerifyCase {
  int deviceModel;
  std::optional<int> deviceId;
  int16_t expected;
  bool result;
  const char* box;  // nullptr: none
  bool present;     // what the Setup window's present box will show
};

TEST(VerifyModel, ComparesAndReports) {
  const VerifyCase cases[] = {
      {32, {}, 32, true, nullptr, true},
      {32, 46, 32, true, nullptr, true},
      {36, 47, 47, false, "Wrong Quorvane Model.", true},  // 47 answers as a 36
      {32, {}, 36, false, "Wrong Quorvane Model.\r\nPlease try Kelvaro R/V ", true},
      {32, 20, 32, false, "Wrong Quorvane Model.\r\nPlease try ", true},
      {39, {}, 32, false, "Wrong Quorvane Model.", true},  // above 32: no suggestion line
      // Answers that name no model at all.
      {32, -1, 32, false, "Wrong Quorvane Model.", true},
      {32, 44, 32, false, "Wrong Quorvane Model.", true},
      {32, 70000, 32, false, "Wrong Quorvane Model.", true},
  };
  for (const VerifyCase& c : cases) {
    AppFixture f(c.deviceModel, c.deviceId);
    f.s.PlotterPresent = !c.result;
    f.s.PresentChecked = !c.present;
    EXPECT_EQ(VerifyModel(f.app, c.expected), c.result) << c.deviceModel;
    EXPECT_EQ(f.s.PlotterPresent, c.result);
    EXPECT_EQ(f.s.PresentChecked, c.present);
    if (c.box) {
      ASSERT_EQ(f.host.boxes.size(), 1u);
      EXPECT_EQ(f.host.boxes[0].text, c.box);
      EXPECT_EQ(f.host.boxes[0].title, "ERROR");
    } else {
      EXPECT_TRUE(f.host.boxes.empty());
    }
  }
}

TEST(VerifyModel, SilenceOnlyClearsPresence) {
  AppFixture f;
  f.device.faults.silent = true;
  f.s.ReportErrors = false;
  EXPECT_FALSE(VerifyModel(f.app, 32));
  EXPECT_FALSE(f.s.PlotterPresent);
  EXPECT_FALSE(f.s.PresentChecked);
  EXPECT_TRUE(f.host.boxes.empty());
}

}  // namespace
}  // namespace taskhelm
