#include "forms/ExchangeGate.h"

#include "forms/Host.h"

namespace forms {

bool ExchangeGate::ExchangeUnderWay() const {
  if (portCalls_ > 0) return true;
  for (auto it = levels_.rbegin(); it != levels_.rend() && !it->modal; ++it)
    if (it->holdsDevice) return true;
  return false;
}

bool ExchangeGate::Admits(DuringExchange mark) const {
  return mark == DuringExchange::Allowed || !ExchangeUnderWay();
}

bool ExchangeGate::Refuse(Host& host, DuringExchange mark) {
  if (Admits(mark)) return false;
  host.Beep();
  return true;
}

ExchangeGate::Level* ExchangeGate::HoldingLevel() {
  for (auto it = levels_.rbegin(); it != levels_.rend() && !it->modal; ++it)
    if (it->holdsDevice) return &*it;
  return nullptr;
}

ExchangeGate::Level* ExchangeGate::ExchangeOfThisPress() {
  Level* holding = HoldingLevel();
  return holding && holding->focusMove && holding->startPress == presses_ ? holding : nullptr;
}

void ExchangeGate::PressStartedEntryUnderWay() {
  ++presses_;
  for (auto it = levels_.rbegin(); it != levels_.rend() && !it->modal; ++it)
    if (it->focusMove) {
      it->startPress = presses_;
      return;
    }
}

bool ExchangeGate::Run(Host& host, EntryKind kind, DuringExchange mark,
                       const std::function<void()>& entry) {
  if (kind != EntryKind::Timer && !Admits(mark)) {
    Level* exchange = kind == EntryKind::Activation ? HoldingLevel() : ExchangeOfThisPress();
    if (!exchange) {
      // A refused focus move keeps the focus where it is; the click that follows it beeps.
      if (kind == EntryKind::Operator) host.Beep();
      return false;
    }
    exchange->waiting.push_back({kind, mark, entry});
    return true;
  }
  Push(false, kind == EntryKind::FocusMove || kind == EntryKind::Activation);
  std::vector<Waiting> waiting;
  {
    // The level goes also when a program end unwinds through the entry.
    struct PopOnExit {
      ExchangeGate& gate;
      std::vector<Waiting>& waiting;
      ~PopOnExit() {
        waiting.swap(gate.levels_.back().waiting);
        gate.Pop();
      }
    } pop{*this, waiting};
    entry();
  }
  for (const Waiting& action : waiting) {
    // An activation stays one: an outer exchange that still holds the device keeps it again.
    EntryKind again = action.kind == EntryKind::Activation ? action.kind : EntryKind::Operator;
    Run(host, again, action.mark, action.entry);
  }
  return true;
}

void ExchangeGate::Push(bool modal, bool focusMove) {
  levels_.push_back(Level{modal, false, focusMove, presses_, {}});
}

void ExchangeGate::Pop() {
  if (!levels_.empty()) levels_.pop_back();
}

ExchangeGate::DeviceUse::DeviceUse(ExchangeGate& gate) : gate_(gate) {
  ++gate_.portCalls_;
  std::vector<Level>& levels = gate_.levels_;
  if (!levels.empty() && !levels.back().modal) levels.back().holdsDevice = true;
}

ExchangeGate::DeviceUse::~DeviceUse() { --gate_.portCalls_; }

ExchangeGate::ModalLevel::ModalLevel(ExchangeGate& gate) : gate_(gate) {
  gate_.Push(true, false);
}

ExchangeGate::ModalLevel::~ModalLevel() { gate_.Pop(); }

}  // namespace forms
