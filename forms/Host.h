#pragma once
// The one interface between the program's windows and the outside world.
// Two hosts implement it: the Qt host (qtui/) and the test host (tests/support/).
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "forms/ExchangeGate.h"

namespace forms {

class Form;
class Timer;

enum class MsgButtons { OK, OKCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };
enum class MsgIcon { None, Exclamation, Question, Information, Critical };
enum class MsgAnswer { OK, Cancel, Yes, No, Retry, Abort, Ignore };
enum class Pointer { Default, Hourglass };
enum class ShowMode { Modeless, Modal };

// A request to the common file dialog. Filter uses the "Description|pattern|Description|pattern" form.
struct FileDialogRequest {
  std::string DialogTitle;
  std::string Filter;
  std::string FileName;     // in: proposed name; out: chosen path
  std::string InitDir;
  long Flags = 0;
};

// Thrown to end the program at once (the program's End statement). Hosts catch it at every entry
// from the toolkit; a modal show re-raises it while the program is ending.
struct ProgramEnd {};

class Host {
 public:
  virtual ~Host() = default;

  virtual MsgAnswer MsgBox(const std::string& text, MsgButtons buttons, MsgIcon icon,
                           const std::string& title) = 0;
  virtual void Beep() = 0;
  virtual void SetPointer(Pointer pointer) = 0;

  // Runs pending window, timer and line events once (DoEvents).
  virtual void DoEvents() = 0;
  // Blocks until an event arrives or maxMs pass, then runs what is pending. Polling loops call this
  // so that they wait without burning a core.
  virtual void WaitEvents(int maxMs) = 0;

  // Form display. ShowForm with Modal blocks until the form is hidden or unloaded.
  virtual void ShowForm(Form& form, ShowMode mode) = 0;
  virtual void HideForm(Form& form) = 0;
  virtual void FormUnloaded(Form& form) = 0;
  // An unloaded window the program has built anew: the host lets go of what it keeps of the old
  // instance and destroys it once none of its code can still be running. This one destroys it at
  // once, for hosts that run every call of the program to its end (the test hosts).
  virtual void Discard(std::unique_ptr<Form> form);
  // A control or form property changed by code: the host mirrors it into its widgets.
  virtual void ModelChanged(Form& form) = 0;
  virtual void TimerChanged(Timer& timer) = 0;

  // Common file dialog; false when the operator cancels.
  virtual bool ShowOpen(FileDialogRequest& request) = 0;
  virtual bool ShowSave(FileDialogRequest& request) = 0;

  // Help viewer: opens the help file at its contents; false when it cannot be shown.
  virtual bool ShowHelp(const std::string& helpFile, int command) = 0;

  // The device line's readable descriptor (or -1): the host runs onEvent when it becomes readable
  // and on every pump.
  virtual void WatchLine(int fd, std::function<void()> onEvent) = 0;

  // Ends the program: closes every window and leaves the event loop. Raises ProgramEnd.
  [[noreturn]] virtual void EndProgram() = 0;
  virtual bool Ending() const = 0;

  // The window that has the activation: a closing modal window hands it back to the window it was
  // opened from, whose Activate then runs again. Kept by the forms layer.
  Form* activeForm = nullptr;

  // Keeps one device exchange at a time; hosts run every operator action and timer tick through it.
  ExchangeGate exchange;
};

}  // namespace forms
