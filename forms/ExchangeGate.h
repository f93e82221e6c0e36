#pragma once
// One device exchange at a time. Waits for the device pump window events, so without a gate a
// second click would start a second exchange inside the first and the two would take each
// other's replies. Every operator action and timer tick enters the model through Run; the port
// layer holds a DeviceUse for each of its calls. An entry that used the device holds it until it
// returns, so a multi-step exchange (send, pause, read back) stays whole even where it pumps
// between port calls. While the device is held, operator actions are refused with a beep, except
// on controls marked DuringExchange::Allowed (Abort, Cancel). A modal window starts a level of
// its own: the action that showed it waits for the operator there, not for the device.
#include <functional>
#include <vector>

namespace forms {

class Host;

// Whether an operator action on a control or menu item runs while the device is busy.
enum class DuringExchange { Refused, Allowed };

enum class EntryKind { Operator, Timer };

class ExchangeGate {
 public:
  // Runs an entry from the toolkit. A refused operator action beeps and returns false.
  bool Run(Host& host, EntryKind kind, DuringExchange mark, const std::function<void()>& entry);

  bool ExchangeUnderWay() const;
  // Whether an operator action with this mark may run now.
  bool Admits(DuringExchange mark) const;
  // A beep and true when it may not.
  bool Refuse(Host& host, DuringExchange mark);

  // Held by the port layer for each of its calls.
  class DeviceUse {
   public:
    explicit DeviceUse(ExchangeGate& gate);
    ~DeviceUse();
    DeviceUse(const DeviceUse&) = delete;
    DeviceUse& operator=(const DeviceUse&) = delete;

   private:
    ExchangeGate& gate_;
  };

  // Held by a modal show while the operator works in the modal window.
  class ModalLevel {
   public:
    explicit ModalLevel(ExchangeGate& gate);
    ~ModalLevel();
    ModalLevel(const ModalLevel&) = delete;
    ModalLevel& operator=(const ModalLevel&) = delete;

   private:
    ExchangeGate& gate_;
  };

 private:
  struct Level {
    bool modal = false;
    bool holdsDevice = false;
  };
  void Push(bool modal);
  void Pop();
  std::vector<Level> levels_;
  int portCalls_ = 0;
};

}  // namespace forms
