// The exchange gate: which entries run while the device is busy, and where a busy spell ends.
#include <gtest/gtest.h>

#include "forms/ExchangeGate.h"
#include "tests/forms/SampleForm.h"
#include "tests/support/TestHost.h"

namespace forms_tests {
namespace {

using forms::DuringExchange;
using forms::EntryKind;
using forms::ExchangeGate;

class Gate : public ::testing::Test {
 protected:
  // An operator action that uses the device, then waits (pumps) like a reply wait does.
  void ExchangeThatPumps(const std::function<void()>& duringTheWait) {
    ExchangeGate::DeviceUse use(gate());
    duringTheWait();
  }
  bool Operate(DuringExchange mark, bool* ran = nullptr) {
    return gate().Run(host, EntryKind::Operator, mark, [ran] {
      if (ran) *ran = true;
    });
  }
  ExchangeGate& gate() { return host.exchange; }
  testing_support::TestHost host;
};

TEST_F(Gate, WhatRunsWhileAnExchangeWaits) {
  struct Case {
    const char* name;
    EntryKind kind;
    DuringExchange mark;
    bool runs;
  };
  for (const Case& c : {Case{"a click", EntryKind::Operator, DuringExchange::Refused, false},
                        Case{"abort", EntryKind::Operator, DuringExchange::Allowed, true},
                        Case{"a timer tick", EntryKind::Timer, DuringExchange::Refused, true}}) {
    SCOPED_TRACE(c.name);
    bool ran = false, admitted = false;
    int beeps = host.beeps;
    Operate(DuringExchange::Refused);  // idle: everything runs
    gate().Run(host, EntryKind::Operator, DuringExchange::Refused, [&] {
      ExchangeThatPumps([&] {
        admitted = gate().Run(host, c.kind, c.mark, [&] { ran = true; });
      });
    });
    EXPECT_EQ(ran, c.runs);
    EXPECT_EQ(admitted, c.runs);
    EXPECT_EQ(host.beeps, beeps + (c.runs ? 0 : 1));
    EXPECT_FALSE(gate().ExchangeUnderWay());
  }
}

// A press moves the focus and the old control's LostFocus uses the device; the click of the same
// press comes during that wait and runs once the focus move is over, in order. A click of a later
// press, or one during a click's own exchange, is refused.
TEST_F(Gate, AnActionWaitsForTheExchangeItsOwnPressStarted) {
  struct Case {
    const char* name;
    EntryKind first;
    bool newPress;
    bool waits;
  };
  for (const Case& c : {Case{"the same press", EntryKind::FocusMove, false, true},
                        Case{"a later press", EntryKind::FocusMove, true, false},
                        Case{"during a click", EntryKind::Operator, false, false}}) {
    SCOPED_TRACE(c.name);
    std::vector<std::string> order;
    int beeps = host.beeps;
    gate().OperatorPressed();
    gate().Run(host, c.first, DuringExchange::Refused, [&] {
      ExchangeThatPumps([&] {
        if (c.newPress) gate().OperatorPressed();
        for (const char* click : {"click", "second click"})
          EXPECT_EQ(gate().Run(host, EntryKind::Operator, DuringExchange::Refused,
                               [&order, click] { order.push_back(click); }),
                    c.waits);
        // A focus move of a later press keeps the focus where it is, without a beep of its own.
        EXPECT_EQ(gate().Run(host, EntryKind::FocusMove, DuringExchange::Refused,
                             [&order] { order.push_back("focus"); }),
                  c.waits);
      });
      order.push_back("exchange over");
    });
    const std::vector<std::string> waited{"exchange over", "click", "second click", "focus"};
    EXPECT_EQ(order, c.waits ? waited : std::vector<std::string>{"exchange over"});
    EXPECT_EQ(host.beeps, beeps + (c.waits ? 0 : 2));
    EXPECT_FALSE(gate().ExchangeUnderWay());
  }
}

// The press that brought a window forward may reach the program only after the window's
// activation began to read the device: it still counts as the press before that exchange.
TEST_F(Gate, APressThatStartedTheEntryUnderWayCountsAsBeforeIt) {
  bool ran = false;
  gate().Run(host, EntryKind::FocusMove, DuringExchange::Refused, [&] {
    ExchangeThatPumps([&] {
      gate().PressStartedEntryUnderWay();
      EXPECT_TRUE(gate().Run(host, EntryKind::Operator, DuringExchange::Refused,
                             [&] { ran = true; }));
      EXPECT_FALSE(ran);
    });
  });
  EXPECT_TRUE(ran);
}

// A window brought forward while another exchange waits, also while a motor stop runs inside
// that wait, is activated without a beep as soon as the outer exchange is over.
TEST_F(Gate, AnActivationDuringAnotherExchangeRunsWhenItEnds) {
  std::vector<std::string> order;
  int beeps = host.beeps;
  gate().Run(host, EntryKind::Operator, DuringExchange::Refused, [&] {
    ExchangeThatPumps([&] {
      gate().OperatorPressed();
      EXPECT_TRUE(gate().Run(host, EntryKind::Activation, DuringExchange::Refused,
                             [&] { order.push_back("activation"); }));
      gate().Run(host, EntryKind::Operator, DuringExchange::Allowed, [&] {
        ExchangeThatPumps([&] {
          gate().Run(host, EntryKind::Activation, DuringExchange::Refused,
                     [&] { order.push_back("second activation"); });
        });
        order.push_back("stop");
      });
    });
    order.push_back("exchange over");
  });
  EXPECT_EQ(order, (std::vector<std::string>{"stop", "exchange over", "activation",
                                             "second activation"}));
  EXPECT_EQ(host.beeps, beeps);
  EXPECT_FALSE(gate().ExchangeUnderWay());
}

TEST_F(Gate, TheDeviceStaysHeldUntilTheActionThatUsedItReturns) {
  bool refusedBetweenCalls = false;
  gate().Run(host, EntryKind::Operator, DuringExchange::Refused, [&] {
    ExchangeThatPumps([] {});
    // A pause between the send and the read-back still belongs to the exchange.
    refusedBetweenCalls = !Operate(DuringExchange::Refused);
    ExchangeThatPumps([] {});
  });
  EXPECT_TRUE(refusedBetweenCalls);
  EXPECT_FALSE(gate().ExchangeUnderWay());
  EXPECT_TRUE(Operate(DuringExchange::Refused));
}

TEST_F(Gate, AModalWindowShownAfterAnExchangeTakesClicksButNotDuringItsOwnExchange) {
  SampleForm dialog(host, "Dialog");
  bool clickInDialog = false, clickDuringDialogExchange = true, clickAfterDialog = true;
  host.modalOperators["Dialog"] = [&](forms::Form& form) {
    clickInDialog = Operate(DuringExchange::Refused);
    gate().Run(host, EntryKind::Operator, DuringExchange::Refused, [&] {
      ExchangeThatPumps([&] { clickDuringDialogExchange = Operate(DuringExchange::Refused); });
    });
    form.Hide();
  };
  gate().Run(host, EntryKind::Operator, DuringExchange::Refused, [&] {
    ExchangeThatPumps([] {});
    dialog.Show(forms::ShowMode::Modal);
    // Back in the action that used the device before the dialog: still held.
    clickAfterDialog = Operate(DuringExchange::Refused);
  });
  EXPECT_TRUE(clickInDialog);
  EXPECT_FALSE(clickDuringDialogExchange);
  EXPECT_FALSE(clickAfterDialog);
}

TEST_F(Gate, AProgramEndUnwindingThroughAnExchangeLeavesTheGateOpen) {
  EXPECT_FALSE(host.Run([&] {
    gate().Run(host, EntryKind::Operator, DuringExchange::Refused, [&] {
      ExchangeThatPumps([&] { host.EndProgram(); });
    });
  }));
  EXPECT_FALSE(gate().ExchangeUnderWay());
}

}  // namespace
}  // namespace forms_tests
