// A window instance the program has replaced (unloaded, then built anew) leaves the host at once
// but is destroyed only when control is back in the event loop: the click or tick that unloaded
// it finishes on live objects.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTest>
#include <memory>

#include "qtui/FormWindow.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SampleWindow.h"

namespace qtui_tests {
namespace {

class Replaced : public SampleWindow {
 public:
  Replaced(forms::Host& host, bool& destroyed) : SampleWindow(host), destroyed_(destroyed) {}
  ~Replaced() override { destroyed_ = true; }

 private:
  bool& destroyed_;
};

class Discard : public QtHostTest {
 protected:
  bool destroyed = false;
  std::unique_ptr<forms::Form> owned = std::make_unique<Replaced>(host, destroyed);
  Replaced& form = static_cast<Replaced&>(*owned);

  // What the application does when the window is used again after its unload.
  void UnloadAndReplace() {
    form.Unload();
    host.Discard(std::move(owned));
  }
};

TEST_F(Discard, AClickThatUnloadsAndReplacesItsWindowFinishesBeforeTheWindowGoes) {
  host.Enter([&] { form.Show(); });
  QWidget* send = host.WindowOf(form)->WidgetOf(form.Send);
  form.Send.Click = [&] { UnloadAndReplace(); };
  QTest::mouseClick(send, Qt::LeftButton);
  EXPECT_FALSE(destroyed);
  EXPECT_EQ(host.WindowOf(form), nullptr);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(destroyed);
}

TEST_F(Discard, ATickThatReplacesItsWindowStopsItsTimer) {
  host.Enter([&] { form.Show(); });
  int ticks = 0;
  form.Ticker.Tick = [&] {
    ++ticks;
    UnloadAndReplace();
    EXPECT_FALSE(destroyed);
  };
  form.Ticker.SetInterval(1);
  QElapsedTimer clock;
  clock.start();
  while (ticks == 0 && clock.elapsed() < 5000) host.WaitEvents(50);
  for (int i = 0; i < 5; ++i) host.WaitEvents(2);
  EXPECT_EQ(ticks, 1);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(destroyed);
}

// Instances still waiting when the host ends go with its windows.
TEST_F(Discard, WhatIsLeftGoesWithTheHost) {
  host.Enter([&] { form.Show(); });
  host.Enter([&] { UnloadAndReplace(); });
  EXPECT_FALSE(destroyed);
  host.Run([] {});
  EXPECT_TRUE(destroyed);
}

}  // namespace
}  // namespace qtui_tests
