// Connecting: profiles, defaults, the device check and its messages.
#include <gtest/gtest.h>

#include "link/SettingLimits.h"
#include "startup/ConnectDevice.h"
#include "startup/ModelTable.h"
#include "tests/support/AppFixture.h"

namespace taskhelm {
namespace {

using testing_support::AppFixture;

TEST(ConnectDevice, AbsentDeviceGetsTheDefaultsWithoutTraffic) {
  AppFixture f(36);
  f.s.ModelCode = 36;
  f.s.PlotterPresent = false;
  EXPECT_TRUE(ConnectDevice(f.app, false));
  EXPECT_TRUE(f.s.DeviceSettingsRead);
  EXPECT_EQ(f.s.BladeOffset, 94);
  EXPECT_EQ(f.s.ForceMax, 700);
  EXPECT_EQ(f.device.Received(), "");
}

struct WidthCase {
  int width;
  int32_t panelMaxY;
  int16_t ySize;
};

TEST(ConnectDevice, Model32TakesItsPanelFromTheCutterWidth) {
  for (WidthCase c : {WidthCase{30000, 30000, 20}, WidthCase{46000, 46000, 28}}) {
    AppFixture f(32, 50);
    f.s.DeviceId = 50;
    f.device.Settings().CutterWidth = c.width;
    ASSERT_TRUE(ConnectDevice(f.app, false));
    EXPECT_EQ(f.s.ForceLimitHigh, 500);
    EXPECT_EQ(f.s.PanelMaxY, c.panelMaxY);
    EXPECT_EQ(f.s.YSizeInches, c.ySize);
  }
}

struct WrongCase {
  int configured;
  int deviceModel;
  std::optional<int> deviceId;
  bool result;
  const char* box;
};

TEST(ConnectDevice, ChecksTheModel) {
  const WrongCase cases[] = {
      {36, 36, 47, true, nullptr},
      {47, 36, 47, false, "Wrong Quorvane Model.\r\nPlease try "},
      {33, 40, {}, false, "Wrong Quorvane Model."},
      {32, 35, {}, false, "Wrong Quorvane Model.\r\nPlease try MarveskK Plotter/Cutter "},
  };
  for (const WrongCase& c : cases) {
    AppFixture f(c.deviceModel, c.deviceId);
    f.s.ModelCode = static_cast<int16_t>(c.configured);
    EXPECT_EQ(ConnectDevice(f.app, false), c.result) << c.configured;
    if (c.box) {
      ASSERT_EQ(f.host.boxes.size(), 1u);
      EXPECT_EQ(f.host.boxes[0].text, c.box);
      EXPECT_EQ(f.host.beeps, 1);
    } else {
      EXPECT_TRUE(f.host.boxes.empty());
    }
    // Quiet: the same without a box.
    AppFixture q(c.deviceModel, c.deviceId);
    q.s.ModelCode = static_cast<int16_t>(c.configured);
    EXPECT_EQ(ConnectDevice(q.app, true), c.result);
    EXPECT_TRUE(q.host.boxes.empty());
  }
}

TEST(ConnectDevice, FailedReadOutNamesThePort) {
  AppFixture f;
  f.device.faults.shortDump = true;
  f.s.NotConnectedText = "Green light Not ON or Cutter Not Connected to ";
  EXPECT_FALSE(ConnectDevice(f.app, false));
  ASSERT_EQ(f.host.boxes.size(), 2u);
  EXPECT_EQ(f.host.boxes[0].text, "Wrong number of parameters returned.");
  EXPECT_EQ(f.host.boxes[1].text, "Green light Not ON or Cutter Not Connected to COM1");
}

TEST(ConnectDevice, SilenceIsNeverReported) {
  AppFixture f;
  f.device.faults.silent = true;
  EXPECT_FALSE(ConnectDevice(f.app, false));
  EXPECT_EQ(f.host.boxes.size(), 1u);  // only the port layer's own time-out box
}

TEST(SetModelDefaults, FirstStartOfModel32) {
  AppFixture f;
  f.s.CutterWidth = 0;
  f.s.PanelSizeY = 0;
  SetModelDefaults(f.app);
  EXPECT_EQ(f.s.CutterWidth, 30000);
  EXPECT_EQ(f.s.PanelSizeY, 0);
  EXPECT_EQ(f.s.LoopSizeSetting, 30000);
  f.s.CutterWidth = 46000;
  SetModelDefaults(f.app);
  EXPECT_EQ(f.s.PanelSizeY, 46000);
}

TEST(SetModelDefaults, PerModelValues) {
  struct Case {
    int16_t model;
    int16_t forceMin, forceMax, accel, offset, sensor, markSkip;
  };
  const Case cases[] = {{39, 40, 700, 5, 47, -1, 0},  {42, 10, 2000, 5, 94, -1, 0},
                        {33, 10, 175, 20, 15, 1, 0},  {34, 10, 175, 20, 15, 0, 255},
                        {35, 10, 700, 10, 15, -1, 0}, {38, 0, 0, 10, 15, -1, 0}};
  for (const Case& c : cases) {
    AppFixture f;
    f.s.ModelCode = c.model;
    SetModelDefaults(f.app);
    EXPECT_EQ(f.s.ForceMin, c.forceMin) << c.model;
    EXPECT_EQ(f.s.ForceMax, c.forceMax) << c.model;
    EXPECT_EQ(f.s.AccelSetting, c.accel) << c.model;
    EXPECT_EQ(f.s.BladeOffset, c.offset) << c.model;
    EXPECT_EQ(f.s.SensorEnabled, c.sensor) << c.model;
    EXPECT_EQ(f.s.MarkSkip, c.markSkip) << c.model;
  }
}

// A factory value outside the model's own limits would be clamped on the first read-out. The
// roll-feed ships with a maximum force of 700 g, above the ceiling its read-out keeps.
TEST(SetModelDefaults, EveryModelsFactoryValuesLieWithinItsLimits) {
  for (int16_t model : {32, 33, 34, 35, 36, 39, 40, 41, 42, 47}) {
    AppFixture f(model);
    SetModelDefaults(f.app);
    ForEachRule(model, [&f, model](const SettingRule& rule) {
      if (model == 35 && rule.field.integer == &SharedState::ForceMax) return;
      const double value = Load(f.s, rule.field);
      LimitSetting(f.s, rule.field);
      EXPECT_EQ(Load(f.s, rule.field), value) << model << " at dump index " << rule.dumpIndex;
    });
  }
}

TEST(ModelTable, AcceptedIdentificationNumbers) {
  AppFixture f;
  InitModelTable(f.app);
  for (int m = 1; m <= 54; ++m) {
    bool listed = m == 32 || m == 33 || m == 34 || m == 35 || m == 36 || m == 39 || m == 40 ||
                  m == 41 || m == 42 || m == 46;
    EXPECT_EQ(f.s.ModelIdTable[static_cast<size_t>(m)], listed ? m : 0) << m;
  }
}

}  // namespace
}  // namespace taskhelm
