#pragma once
// One device exchange at a time. Waits for the device pump window events, so without a gate a
// second click would start a second exchange inside the first and the two would take each
// other's replies. Every operator action, focus move and timer tick enters the model through Run;
// the port layer holds a DeviceUse for each of its calls. An entry that used the device holds it
// until it returns, so a multi-step exchange (send, pause, read back) stays whole even where it
// pumps between port calls. While the device is held, operator actions are refused with a beep,
// except on controls marked DuringExchange::Allowed (Abort, Cancel, a motor stop). A modal window
// starts a level of its own: the action that showed it waits for the operator there, not for the
// device.
//
// A press can start an exchange before the action it is for: the focus moves (and the old
// control's LostFocus sends) on the press, or the window the press brought forward re-reads the
// device, and the click comes with the release, during that exchange. An action whose press came
// before such an exchange began therefore waits and runs as soon as the exchange is over, in
// order; one whose press came during it is refused. A window brought forward during another
// exchange is the active one all the same: its activation waits for that exchange to end.
#include <functional>
#include <vector>

namespace forms {

class Host;

// Whether an operator action on a control or menu item runs while the device is busy.
enum class DuringExchange { Refused, Allowed };

// Operator: a click, key, menu choice or close box. FocusMove: the operator moved the focus,
// which happens on a press, ahead of the action the press is for. Activation: the operator
// brought a window forward, like a focus move, but never refused: kept while another exchange
// holds the device.
enum class EntryKind { Operator, FocusMove, Activation, Timer };

class ExchangeGate {
 public:
  // Runs an entry from the toolkit. A refused operator action beeps and returns false (a refused
  // focus move only returns false); one that waits for the exchange its own press started is
  // kept (a copy) and runs when that exchange ends, and so is an activation.
  bool Run(Host& host, EntryKind kind, DuringExchange mark, const std::function<void()>& entry);

  // The operator pressed a mouse button or a key: the actions that follow belong to this press.
  void OperatorPressed() { ++presses_; }
  // The press that reached the program after the focus move or activation it caused had begun:
  // it counts as made before that entry.
  void PressStartedEntryUnderWay();

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
  struct Waiting {
    EntryKind kind;
    DuringExchange mark;
    std::function<void()> entry;
  };
  struct Level {
    bool modal = false;
    bool holdsDevice = false;
    bool focusMove = false;
    unsigned startPress = 0;       // the press count when the entry began
    std::vector<Waiting> waiting;  // actions of that press, for when the entry is over
  };
  // The focus move whose exchange an action of the current press waits for, or nullptr.
  Level* ExchangeOfThisPress();
  // The entry whose exchange holds the device, or nullptr.
  Level* HoldingLevel();
  void Push(bool modal, bool focusMove);
  void Pop();
  std::vector<Level> levels_;
  int portCalls_ = 0;
  unsigned presses_ = 0;
};

}  // namespace forms
