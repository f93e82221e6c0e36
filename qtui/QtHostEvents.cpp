// The host's event pump, the device line's notifier and the timers.
#include <QApplication>
#include <QEventLoop>
#include <poll.h>

#include "forms/Controls.h"
#include "qtui/QtHost.h"

namespace qtui {
namespace {

// A line that stays readable after servicing (a hung-up pty) is looked at again only after this
// pause, so that it cannot keep the program busy.
constexpr int kStuckLinePauseMs = 50;

bool Readable(int fd) {
  pollfd entry{fd, POLLIN, 0};
  return ::poll(&entry, 1, 0) > 0 && (entry.revents & (POLLIN | POLLHUP | POLLERR)) != 0;
}

}  // namespace

void QtHost::DoEvents() {
  if (ending_) return;
  Pump();
}

void QtHost::WaitEvents(int maxMs) {
  if (ending_) return;
  if (maxMs > 0) {
    Flush();
    // Sleeps in the event dispatcher until any event, the line's data or the wake-up arrives.
    QTimer wake;
    wake.setSingleShot(true);
    wake.start(maxMs);
    QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
  }
  Pump();
}

// Runs what is pending; a program end during it stops the code that pumped.
void QtHost::Pump() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  ServiceLine();
  if (ending_) throw forms::ProgramEnd{};
}

// The device line -------------------------------------------------------------------------------

void QtHost::WatchLine(int fd, std::function<void()> onEvent) {
  lineEvent_ = std::move(onEvent);
  if (fd == lineFd_ && (fd < 0 || lineNotifier_)) return;
  lineNotifier_.reset();
  lineFd_ = fd;
  if (fd < 0) return;
  lineNotifier_ = std::make_unique<QSocketNotifier>(fd, QSocketNotifier::Read);
  connect(lineNotifier_.get(), &QSocketNotifier::activated, this, [this] { LineReadable(); });
}

void QtHost::ServiceLine() {
  if (lineBusy_ || !lineEvent_) return;
  // A copy: the event may watch another line and replace the callback while it runs.
  std::function<void()> event = lineEvent_;
  lineBusy_ = true;
  try {
    event();
  } catch (...) {
    lineBusy_ = false;
    throw;
  }
  lineBusy_ = false;
}

void QtHost::LineReadable() {
  QSocketNotifier* notifier = lineNotifier_.get();
  notifier->setEnabled(false);
  Enter([this] { ServiceLine(); });
  if (ending_ || lineNotifier_.get() != notifier) return;
  if (!Readable(lineFd_)) {
    notifier->setEnabled(true);
    return;
  }
  QTimer::singleShot(kStuckLinePauseMs, notifier, [notifier] { notifier->setEnabled(true); });
}

// Timers ----------------------------------------------------------------------------------------

void QtHost::TimerChanged(forms::Timer& timer) {
  if (ending_) return;
  TimerState& state = timers_[&timer];
  if (!state.timer) {
    state.timer = std::make_unique<QTimer>();
    connect(state.timer.get(), &QTimer::timeout, this, [this, &timer] { Tick(timer); });
  }
  if (timer.TimerEnabled())
    state.timer->start(timer.Interval());
  else
    state.timer->stop();
}

void QtHost::Tick(forms::Timer& timer) {
  TimerState& state = timers_[&timer];
  // A tick that pumps does not start another tick of the same timer inside itself.
  if (state.ticking) return;
  if (!timer.TimerEnabled() || !timer.Parent().Loaded()) {
    state.timer->stop();
    return;
  }
  state.ticking = true;
  Enter([this, &timer] {
    exchange.Run(*this, forms::EntryKind::Timer, forms::DuringExchange::Allowed, [&timer] {
      if (timer.Tick) timer.Tick();
    });
  });
  // The tick may have unloaded its window and the window been built anew: its timers are gone.
  if (auto it = timers_.find(&timer); it != timers_.end()) it->second.ticking = false;
}

void QtHost::StopTimersOf(const forms::Form& form) {
  for (auto& [timer, state] : timers_)
    if (&timer->Parent() == &form && state.timer) state.timer->stop();
}

}  // namespace qtui
