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

bool ExchangeGate::Run(Host& host, EntryKind kind, DuringExchange mark,
                       const std::function<void()>& entry) {
  if (kind == EntryKind::Operator && Refuse(host, mark)) return false;
  Push(false);
  // The level goes also when a program end unwinds through the entry.
  struct PopOnExit {
    ExchangeGate& gate;
    ~PopOnExit() { gate.Pop(); }
  } pop{*this};
  entry();
  return true;
}

void ExchangeGate::Push(bool modal) { levels_.push_back(Level{modal, false}); }

void ExchangeGate::Pop() {
  if (!levels_.empty()) levels_.pop_back();
}

ExchangeGate::DeviceUse::DeviceUse(ExchangeGate& gate) : gate_(gate) {
  ++gate_.portCalls_;
  std::vector<Level>& levels = gate_.levels_;
  if (!levels.empty() && !levels.back().modal) levels.back().holdsDevice = true;
}

ExchangeGate::DeviceUse::~DeviceUse() { --gate_.portCalls_; }

ExchangeGate::ModalLevel::ModalLevel(ExchangeGate& gate) : gate_(gate) { gate_.Push(true); }

ExchangeGate::ModalLevel::~ModalLevel() { gate_.Pop(); }

}  // namespace forms
