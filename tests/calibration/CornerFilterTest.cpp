// The cornering and filtering windows.
#include <gtest/gtest.h>

#include "calibration/CornerForm.h"
#include "calibration/FilterForm.h"
#include "calibration/Openers.h"
#include "tests/calibration/CalibrationHarness.h"
#include "tests/support/ReplyFaults.h"

namespace calibration_tests {
namespace {

using forms::MsgIcon;
using taskhelm::CornerForm;
using taskhelm::FilterForm;

TEST(Cornering, OkCancelAndTheModeTheWindowFound) {
  enum Choice { None, Default, Banner };
  enum Close { Ok, Cancel };
  struct Row {
    const char* name;
    int16_t before;
    Choice choice;
    Close close;
    int16_t after;
    bool message;
  };
  const Row rows[] = {
      {"default kept", 13, None, Ok, 13, false},
      {"banner chosen", 13, Banner, Ok, 4, true},
      {"banner kept", 4, None, Ok, 4, false},
      {"default chosen", 4, Default, Ok, 13, true},
      // A mode the device reported that the window does not offer becomes the default, and OK
      // counts it as a change.
      {"device mode 7", 7, None, Ok, 13, true},
      {"banner cancelled", 13, Banner, Cancel, 13, false},
      {"default cancelled", 4, Default, Cancel, 4, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CalibrationHarness h({.model = 39});
    h.f.s.CorneringMode = row.before;
    h.f.s.SettingsSent = true;
    h.Show<CornerForm>([&](CornerForm& w) {
      EXPECT_EQ(w.Caption(), "Cornering");
      EXPECT_EQ(w.Speedy.Value(), row.before == 4);
      if (row.choice == Banner) w.Speedy.SetValue(true);
      if (row.choice == Default) w.Smooth.SetValue(true);
      (row.close == Ok ? w.CornerOK : w.CornerCancel).Press();
    });
    EXPECT_EQ(h.f.s.CorneringMode, row.after);
    EXPECT_EQ(h.f.s.SettingsSent, !row.message);
    if (row.message) {
      ASSERT_EQ(h.f.host.boxes.size(), 1u);
      EXPECT_EQ(h.f.host.boxes[0].text,
                "Cornering will be changed permanently when plotter is updated.");
      EXPECT_EQ(h.f.host.boxes[0].title, "Cornering");
      EXPECT_EQ(h.f.host.boxes[0].icon, MsgIcon::None);
    } else {
      EXPECT_TRUE(h.f.host.boxes.empty());
    }
    EXPECT_EQ(h.Received(), "");  // nothing is sent from this window
    EXPECT_FALSE(h.f.app.LoadedWindow<CornerForm>());
  }
}

TEST(Cornering, Hints) {
  CalibrationHarness h;
  h.Show<CornerForm>([&](CornerForm& w) {
    w.Speedy.MouseMove();
    EXPECT_EQ(w.StatusBar.Text(), "Faster for plots with long lines and curves. ");
    w.CornerOK.GotFocus();
    EXPECT_EQ(w.StatusBar.Text(), "Select the setting.");
  });
}

TEST(FilteringRead, TicksTheBoxFromTheDevice) {
  struct Row {
    const char* reply;  // what "!OS@" answers
    bool answered;
    int ticked;
    int16_t setting;
  };
  const Row rows[] = {{"1", true, 1, 1}, {"0", true, 0, 0}, {"", false, 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.reply);
    CalibrationHarness h;
    h.f.device.Receive(row.reply[0] == '0' ? "!SM0@" : "!SM1@");
    if (!row.answered) h.f.device.faults.silentCommands.insert("OS");
    h.f.s.FilterSetting = row.answered ? 1 - row.setting : 1;
    FilterForm& w = h.f.app.Window<FilterForm>();
    EXPECT_EQ(w.UpdateFilter(), row.answered);
    EXPECT_EQ(w.FilterEnable.Value(), row.ticked);
    EXPECT_EQ(h.f.s.FilterSetting, row.setting);
    if (!row.answered) {
      ASSERT_NE(h.f.host.LastBox(), nullptr);
      EXPECT_EQ(h.f.host.LastBox()->text, "Communication Error");
      EXPECT_EQ(h.f.host.LastBox()->title, "ERROR");
      EXPECT_EQ(h.f.host.LastBox()->icon, MsgIcon::Exclamation);
    }
  }
}

// A reply without its number is no reply: read as 0 it would untick the box, and an unchanged OK
// would switch the filtering off without a word. The cutter does not show the window.
TEST(FilteringRead, AGarbledReplyIsNoReply) {
  for (const testing_support::ReplyFault& fault : testing_support::ReplyFaults()) {
    SCOPED_TRACE(fault.name);
    CalibrationHarness h;
    testing_support::GarbleReply(h.f.device, "OS", "!OS@", fault);
    bool shown = false;
    h.f.host.modalOperators["FilterForm"] = [&](forms::Form&) { shown = true; };
    h.f.host.Run([&] { taskhelm::ShowFiltering(h.f.app, taskhelm::FilterOpening::ReadStateFirst); });
    EXPECT_FALSE(shown);
    EXPECT_EQ(h.Received(), "!OS@");
    ASSERT_EQ(h.f.host.boxes.size(), 1u);
    EXPECT_EQ(h.f.host.boxes[0].text, "Communication Error");
    EXPECT_EQ(h.f.host.boxes[0].title, "ERROR");
  }
}

TEST(FilteringOk, SendsReadsBackAndReportsOnlyARealChange) {
  struct Row {
    const char* name;
    int model;
    bool untick;
    std::function<void(sim::Faults&)> fault;  // switched on before OK
    const char* sent;
    bool message;
  };
  const Row rows[] = {
      {"unchanged", 36, false, [](sim::Faults&) {}, "!SM1@!OS@", false},
      {"switched off", 36, true, [](sim::Faults&) {}, "!SM0@!OS@", true},
      // On the 520 the box cannot be changed: OK sends the value read.
      {"fixed on the 520", 39, false, [](sim::Faults&) {}, "!SM1@!OS@", false},
      // The device did not take it: no change to report.
      {"send blocked", 36, true, [](sim::Faults& f) { f.ctsLow = true; }, "", false},
      {"no read-back", 36, true, [](sim::Faults& f) { f.silentCommands.insert("OS"); },
       "!SM0@!OS@", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    CalibrationHarness h({.model = row.model});
    bool shown = false;
    h.f.host.modalOperators["FilterForm"] = [&](forms::Form& form) {
      auto& w = static_cast<FilterForm&>(form);
      shown = true;
      EXPECT_EQ(w.FilterEnable.Enabled(), row.model != 39);
      if (row.untick) w.FilterEnable.SetValue(0);
      h.f.host.boxes.clear();
      h.f.device.ClearReceived();
      row.fault(h.f.device.faults);
      w.FilterOK.Press();
    };
    // As the cutter opens it: the device's state first.
    h.f.host.Run([&] { taskhelm::ShowFiltering(h.f.app, taskhelm::FilterOpening::ReadStateFirst); });
    ASSERT_TRUE(shown);
    EXPECT_EQ(h.Received().substr(0, std::string(row.sent).size()), row.sent);
    const bool changed = !h.f.host.boxes.empty() &&
                         h.f.host.LastBox()->text == "Filtering Setting temporarily changed.";
    EXPECT_EQ(changed, row.message);
    if (changed) {
      EXPECT_EQ(h.f.host.LastBox()->title, "Filtering");
      EXPECT_EQ(h.f.host.LastBox()->icon, MsgIcon::None);
    }
    EXPECT_FALSE(h.f.app.LoadedWindow<FilterForm>());
  }
}

// A filtering state other than 0 and 1 ticks the box, and OK sends what the box shows: an
// untouched OK keeps the filtering on at every opening, and reports no change.
TEST(FilteringOk, AnUntouchedOkSendsWhatTheBoxShowsAtEveryOpening) {
  const std::string digits41 = "1" + std::string(40, '0');
  for (const std::string& reply : {std::string("2"), std::string("-1"), std::string("-2"), digits41,
                                   "-" + digits41}) {
    CalibrationHarness h({.model = 36});
    h.f.device.faults.replacedReplies["OS"] = reply;
    for (int opening = 1; opening <= 2; ++opening) {
      SCOPED_TRACE(reply + ", opening " + std::to_string(opening));
      int ticked = -1;
      h.f.host.modalOperators["FilterForm"] = [&](forms::Form& form) {
        auto& w = static_cast<FilterForm&>(form);
        ticked = w.FilterEnable.Value();
        h.f.device.ClearReceived();
        w.FilterOK.Press();
      };
      h.f.host.Run([&] { taskhelm::ShowFiltering(h.f.app, taskhelm::FilterOpening::ReadStateFirst); });
      EXPECT_EQ(ticked, 1);
      EXPECT_EQ(h.Received(), "!SM1@!OS@");
      EXPECT_EQ(BoxTitles(h.f.host), "");
    }
  }
}

// Shown without a read (the roll-feed window), the box shows the setting OK sends.
TEST(FilteringOk, ShownDirectlyTheBoxShowsTheSetting) {
  for (int16_t setting : {0, 1}) {
    SCOPED_TRACE(setting);
    CalibrationHarness h({.model = 35});
    h.f.s.FilterSetting = setting;
    int ticked = -1;
    h.f.host.modalOperators["FilterForm"] = [&](forms::Form& form) {
      auto& w = static_cast<FilterForm&>(form);
      ticked = w.FilterEnable.Value();
      w.FilterOK.Press();
    };
    h.f.host.Run([&] { taskhelm::ShowFiltering(h.f.app, taskhelm::FilterOpening::Direct); });
    EXPECT_EQ(ticked, setting);
    EXPECT_EQ(h.Received().substr(0, 5), setting ? "!SM1@" : "!SM0@");
  }
}

TEST(FilteringStatus, HintsOfTheBoxFollowItsState) {
  CalibrationHarness h;
  h.Show<FilterForm>([&](FilterForm& w) {
    EXPECT_EQ(w.StatusBar.Text(), "Removes tiny imperfections.");
    w.FilterEnable.SetValue(1);
    EXPECT_EQ(w.StatusBar.Text(), "Default.  Especially useful with fonts.");
    w.FilterEnable.SetValue(0);
    EXPECT_EQ(w.StatusBar.Text(), "Preserves tiny vectors. ");
    EXPECT_EQ(h.f.s.FilterSetting, 0);
    w.MouseMove();
    EXPECT_EQ(w.StatusBar.Text(), "Removes tiny imperfections.");
    w.FilterCancel.Press();
  });
  EXPECT_EQ(h.Received(), "");
}

}  // namespace
}  // namespace calibration_tests
