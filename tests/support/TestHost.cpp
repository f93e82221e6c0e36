#include "tests/support/TestHost.h"

#include <poll.h>

#include <algorithm>
#include <gtest/gtest.h>

#include "platform/Clock.h"

namespace testing_support {

forms::MsgAnswer TestHost::MsgBox(const std::string& text, forms::MsgButtons buttons,
                                  forms::MsgIcon icon, const std::string& title) {
  boxes.push_back({text, title, icon, buttons});
  if (onBox) onBox(boxes.back());
  if (!answers.empty()) {
    forms::MsgAnswer a = answers.front();
    answers.pop_front();
    return a;
  }
  switch (buttons) {
    case forms::MsgButtons::OK:
    case forms::MsgButtons::OKCancel: return forms::MsgAnswer::OK;
    case forms::MsgButtons::YesNo:
    case forms::MsgButtons::YesNoCancel: return forms::MsgAnswer::Yes;
    case forms::MsgButtons::RetryCancel: return forms::MsgAnswer::Retry;
    case forms::MsgButtons::AbortRetryIgnore: return forms::MsgAnswer::Abort;
  }
  return forms::MsgAnswer::OK;
}

void TestHost::DoEvents() {
  ++pumps;
  if (onPump) onPump();
  if (lineEvent_) lineEvent_();
  RunTimers();
}

int64_t TestHost::NowMs() {
  static platform::SystemClock system;
  return realTime ? system.NowMs() : now_;
}

void TestHost::SleepMs(int ms) {
  static platform::SystemClock system;
  if (realTime)
    system.SleepMs(ms);
  else
    now_ += ms > 0 ? ms : 0;
}

void TestHost::WaitEvents(int maxMs) {
  if (realTime) {
    // Wait on the line itself: a reply wakes the wait at once.
    pollfd p{lineFd_, POLLIN, 0};
    if (lineFd_ >= 0)
      ::poll(&p, 1, maxMs);
    else
      SleepMs(maxMs);
  } else {
    now_ += maxMs > 0 ? maxMs : 1;
  }
  DoEvents();
}

void TestHost::Advance(int ms) {
  int64_t end = now_ + ms;
  while (now_ < end) {
    now_ += 1;
    DoEvents();
  }
}

void TestHost::RunTimers() {
  // Copy: a tick may start or stop timers.
  auto due = timers_;
  for (auto& [timer, at] : due) {
    auto it = timers_.find(timer);
    if (it == timers_.end() || now_ < it->second) continue;
    if (!timer->TimerEnabled() || !timer->Parent().Loaded()) {
      timers_.erase(it);
      continue;
    }
    it->second = now_ + timer->Interval();
    exchange.Run(*this, forms::EntryKind::Timer, forms::DuringExchange::Allowed, [t = timer] {
      if (t->Tick) t->Tick();
    });
  }
}

void TestHost::TimerChanged(forms::Timer& timer) {
  if (timer.TimerEnabled())
    timers_[&timer] = now_ + timer.Interval();
  else
    timers_.erase(&timer);
}

void TestHost::ShowForm(forms::Form& form, forms::ShowMode mode) {
  shownForms.push_back(form.Name());
  if (std::find(visible_.begin(), visible_.end(), &form) == visible_.end())
    visible_.push_back(&form);
  form.Repaint();
  if (mode != forms::ShowMode::Modal) return;
  auto op = modalOperators.find(form.Name());
  if (op != modalOperators.end()) {
    try {
      op->second(form);
    } catch (const forms::ProgramEnd&) {
      return;  // the modal show re-raises it
    }
  }
  if (form.Visible() && !ending) form.Hide();
}

void TestHost::HideForm(forms::Form& form) {
  visible_.erase(std::remove(visible_.begin(), visible_.end(), &form), visible_.end());
}

void TestHost::FormUnloaded(forms::Form& form) {
  HideForm(form);
  for (auto it = timers_.begin(); it != timers_.end();)
    it = &it->first->Parent() == &form ? timers_.erase(it) : std::next(it);
}

bool TestHost::ShowOpen(forms::FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (openFiles.empty()) return false;
  request.FileName = openFiles.front();
  openFiles.pop_front();
  return !request.FileName.empty();
}

bool TestHost::ShowSave(forms::FileDialogRequest& request) {
  fileDialogs.push_back(request);
  if (saveFiles.empty()) return false;
  request.FileName = saveFiles.front();
  saveFiles.pop_front();
  return !request.FileName.empty();
}

bool TestHost::ShowHelp(const std::string& helpFile, int) {
  helpShown.push_back(helpFile);
  return true;
}

void TestHost::WatchLine(int fd, std::function<void()> onEvent) {
  lineFd_ = fd;
  lineEvent_ = std::move(onEvent);
}

void TestHost::EndProgram() {
  ending = true;
  for (forms::Form* f : std::vector<forms::Form*>(visible_)) HideForm(*f);
  throw forms::ProgramEnd{};
}

bool TestHost::Run(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const forms::ProgramEnd&) {
    ending = true;
  }
  return !ending;
}

bool TestHost::Press(forms::CommandButton& button) {
  exchange.OperatorPressed();
  return exchange.Run(*this, forms::EntryKind::Operator, button.duringExchange,
                      [&button] { button.Press(); });
}

bool TestHost::Choose(forms::MenuItem& item) {
  exchange.OperatorPressed();
  return exchange.Run(*this, forms::EntryKind::Operator, item.duringExchange,
                      [&item] { item.Choose(); });
}

bool TestHost::IsShown(const std::string& formName) const {
  return std::any_of(visible_.begin(), visible_.end(),
                     [&](forms::Form* f) { return f->Name() == formName; });
}

}  // namespace testing_support
