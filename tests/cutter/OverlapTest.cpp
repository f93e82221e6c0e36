// One device exchange at a time: an operator action that arrives while the cutter window waits
// for a late reply is refused with a beep, and the first exchange gets its own replies.
#include <gtest/gtest.h>

#include <functional>

#include "setup/Serial.h"
#include "tests/cutter/CutterHarness.h"

namespace cutter_tests {
namespace {

using taskhelm::Dru71Set;
using testing_support::TestHost;

// An operator action on the cutter window; false when the gate refused it.
using Action = std::function<bool(TestHost&, Dru71Set&)>;

const Action kUpdateDisplay = [](TestHost& h, Dru71Set& w) { return h.Press(w.UpdateDisplay); };
const Action kTemporary = [](TestHost& h, Dru71Set& w) { return h.Press(w.SendSettingTemp); };
const Action kPermanent = [](TestHost& h, Dru71Set& w) { return h.Press(w.SendDefault); };
const Action kRomVersion = [](TestHost& h, Dru71Set& w) { return h.Choose(w.DsplyRomCom); };
const Action kUpdateFromMenu = [](TestHost& h, Dru71Set& w) { return h.Choose(w.DsplyPltrCom); };

struct Case {
  const char* name;
  Action first, second;
};

const Case kCases[] = {
    {"update display twice", kUpdateDisplay, kUpdateDisplay},
    {"temporary then rom version", kTemporary, kRomVersion},
    {"update display then permanent", kUpdateDisplay, kPermanent},
    {"permanent then temporary", kPermanent, kTemporary},
    {"rom version then update display from the menu", kRomVersion, kUpdateFromMenu},
};

constexpr int kLateReplyMs = 2000;
constexpr int kSecondClickAfterMs = 700;

// What the device receives from the first action alone, on a device that answers at once.
std::string AloneOnTheWire(const Action& first) {
  CutterHarness h(Cutter(36));
  h.Window().DsplyFactCom.Choose();  // something unsent, so the sends carry the whole command
  h.f.device.ClearReceived();
  h.f.host.boxes.clear();
  EXPECT_TRUE(first(h.f.host, h.Window()));
  return h.f.device.Received();
}

TEST(CutterOverlap, ASecondActionDuringALateReplyIsRefusedAndTheFirstGetsItsReplies) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const std::string expectedWire = AloneOnTheWire(c.first);
    CutterHarness h(Cutter(36));
    Dru71Set& w = h.Window();
    w.DsplyFactCom.Choose();
    h.f.device.ClearReceived();
    h.f.host.boxes.clear();
    h.f.device.Settings().ForceMax = 650;  // what a read-back must show
    h.f.device.faults.slowReplyMs = kLateReplyMs;

    const int64_t start = h.f.host.NowMs();
    int secondTries = 0;
    bool secondRan = true;
    h.f.host.onPump = [&] {
      if (secondTries == 0 && h.f.host.NowMs() - start >= kSecondClickAfterMs) {
        ++secondTries;
        secondRan = c.second(h.f.host, w);
      }
    };
    const int beepsBefore = h.f.host.beeps;
    EXPECT_TRUE(c.first(h.f.host, w));
    h.f.host.onPump = nullptr;

    ASSERT_EQ(secondTries, 1);
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(h.f.host.beeps, beepsBefore + 1);  // the refusal, and no failure
    for (const auto& box : h.f.host.boxes)
      EXPECT_NE(box.icon, forms::MsgIcon::Exclamation) << box.text;
    EXPECT_EQ(h.f.device.Received(), expectedWire);  // so never a "!UD@" inside it
    EXPECT_FALSE(h.f.host.exchange.ExchangeUnderWay());
    // Once the first is over, the same action runs.
    h.f.host.boxes.clear();
    EXPECT_TRUE(c.second(h.f.host, w));
  }
}

TEST(CutterOverlap, ReadBacksShowTheDevicesValuesDespiteARefusedClick) {
  CutterHarness h(Cutter(36));
  Dru71Set& w = h.Window();
  h.f.device.Settings().ForceMax = 650;
  h.f.device.faults.slowReplyMs = kLateReplyMs;
  h.f.host.onPump = [&] { h.f.host.Press(w.UpdateDisplay); };
  EXPECT_TRUE(h.f.host.Press(w.UpdateDisplay));
  h.f.host.onPump = nullptr;
  EXPECT_EQ(w.HiForce.Text(), "650");
  EXPECT_TRUE(h.f.s.SettingsSent);
  EXPECT_TRUE(h.f.host.boxes.empty());
}

// The port test opens the port and then waits for the operator in its own window: its controls
// act there, and the port it switches to opens.
TEST(CutterOverlap, ThePortTestsOwnControlsActWhileItsOpenerWaits) {
  CutterHarness h(Cutter(32));
  bool portClicked = false, exitPressed = false;
  h.f.host.modalOperators["Serial"] = [&](forms::Form& form) {
    auto& test = static_cast<taskhelm::Serial&>(form);
    portClicked = h.f.host.exchange.Run(h.f.host, forms::EntryKind::Operator,
                                        test.SerCom1.duringExchange,
                                        [&] { test.SerCom1.SetValue(true); });
    exitPressed = h.f.host.Press(test.SerialExit);
  };
  const int beepsBefore = h.f.host.beeps;
  EXPECT_TRUE(h.f.host.Run([&] { h.f.host.Choose(h.Window().TstSerialCom[1]); }));
  EXPECT_TRUE(portClicked);
  EXPECT_TRUE(exitPressed);
  EXPECT_EQ(h.f.app.LoadedWindow<taskhelm::Serial>(), nullptr);
  EXPECT_EQ(h.f.host.beeps, beepsBefore);
  EXPECT_FALSE(h.f.host.exchange.ExchangeUnderWay());
}

}  // namespace
}  // namespace cutter_tests
