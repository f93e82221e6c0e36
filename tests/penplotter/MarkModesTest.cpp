// The mark modes, the frame-gap rule and the sensor test command as tables of cases.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "penplotter/MarkModes.h"
#include "penplotter/SensorTest.h"

namespace {

using taskhelm::MarkMode;

TEST(MarkModes, ShownModeFollowsTheDeviceValues) {
  struct Case {
    int16_t sensorEnabled, markSkip;
    std::optional<MarkMode> shown;
  };
  const std::vector<Case> cases = {
      {1, 0, MarkMode::EveryFrame},
      {-1, 0, MarkMode::EveryFrame},  // as a check box stores it
      {1, 3, MarkMode::EveryFourthFrame},  // what this window sends for every 4th frame
      {1, 1, MarkMode::EveryFourthFrame},
      {1, 4, MarkMode::EveryFourthFrame},
      {1, 5, std::nullopt},
      {1, 255, std::nullopt},
      {1, -1, std::nullopt},
      {0, 0, MarkMode::SensorOff},
      {0, 3, MarkMode::SensorOff},
  };
  for (const Case& c : cases)
    EXPECT_EQ(taskhelm::ShownMarkMode(c.sensorEnabled, c.markSkip), c.shown)
        << c.sensorEnabled << "/" << c.markSkip;
}

TEST(MarkModes, EachModeStoresItsPairAndShowsAsItself) {
  for (MarkMode mode : {MarkMode::EveryFrame, MarkMode::EveryFourthFrame, MarkMode::SensorOff}) {
    const taskhelm::MarkValues v = taskhelm::ValuesOf(mode);
    EXPECT_EQ(taskhelm::ShownMarkMode(v.sensorEnabled, v.markSkip), mode);
  }
  EXPECT_EQ(taskhelm::ValuesOf(MarkMode::EveryFourthFrame).markSkip, 3);
  EXPECT_EQ(taskhelm::ValuesOf(MarkMode::SensorOff).markSkip, 255);
  EXPECT_EQ(taskhelm::ValuesOf(MarkMode::SensorOff).sensorEnabled, 0);
}

TEST(MarkModes, OnlyAChangedSkipOrTheSensorSwitchedOffUnsends) {
  struct Case {
    MarkMode mode;
    int16_t shownMarkSkip;
    bool unsends;
  };
  const std::vector<Case> cases = {
      {MarkMode::EveryFrame, 0, false},       {MarkMode::EveryFrame, 3, true},
      {MarkMode::EveryFourthFrame, 3, false}, {MarkMode::EveryFourthFrame, 0, true},
      {MarkMode::EveryFourthFrame, 4, true},  {MarkMode::SensorOff, 255, true},
      {MarkMode::SensorOff, 0, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(taskhelm::ChoiceUnsends(c.mode, c.shownMarkSkip), c.unsends)
        << static_cast<int>(c.mode) << " over " << c.shownMarkSkip;
}

TEST(MarkModes, FrameGapIsEditableWithoutTheSensorOrWithoutMarks) {
  struct Case {
    int16_t model, sensorEnabled;
    bool editable;
  };
  const std::vector<Case> cases = {
      {33, 1, false}, {33, -1, false}, {33, 0, true}, {40, 1, false}, {40, 0, true},
      {34, 1, true},  {34, 0, true},   {41, -1, true}, {41, 0, true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(taskhelm::FrameGapEditable(c.model, c.sensorEnabled), c.editable)
        << c.model << " sensor " << c.sensorEnabled;
}

TEST(SensorTestCommand, SendsTheHeldWholeNumberNeverTheTypedText) {
  struct Case {
    const char* typed;
    const char* command;
  };
  const std::vector<Case> cases = {
      {"7", "!TS7@"},       {"300", "!TS255@"}, {"-2", "!TS0@"},    {"255", "!TS255@"},
      {"0", "!TS0@"},       {"7abc", "!TS7@"},  {"abc", "!TS0@"},   {"", "!TS0@"},
      {"2.5", "!TS2@"},     {"3.5", "!TS4@"},   {" 12", "!TS12@"},  {"1e99", "!TS1@"},
      {"99999999999999999999", "!TS255@"},
  };
  for (const Case& c : cases) EXPECT_EQ(taskhelm::SensorTestCommand(c.typed), c.command) << c.typed;
}

}  // namespace
