#pragma once
// The test host: a virtual clock, scripted message-box answers and modal operators, and a record
// of everything the program showed. Nothing in it sleeps.
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/Host.h"
#include "platform/Clock.h"

namespace testing_support {

struct ShownBox {
  std::string text;
  std::string title;
  forms::MsgIcon icon;
  forms::MsgButtons buttons;
};

class TestHost : public forms::Host, public platform::Clock {
 public:
  // Clock: virtual milliseconds; SleepMs only advances time (no events run). With realTime (the
  // end-to-end runs over a pty) it is the system clock, and waits block on the line.
  bool realTime = false;
  int64_t NowMs() override;
  void SleepMs(int ms) override;

  // Host.
  forms::MsgAnswer MsgBox(const std::string& text, forms::MsgButtons buttons, forms::MsgIcon icon,
                          const std::string& title) override;
  void Beep() override { ++beeps; }
  void SetPointer(forms::Pointer pointer) override {
    this->pointer = pointer;
    pointerHistory.push_back(pointer);
  }
  void DoEvents() override;
  void WaitEvents(int maxMs) override;
  void ShowForm(forms::Form& form, forms::ShowMode mode) override;
  void HideForm(forms::Form& form) override;
  void FormUnloaded(forms::Form& form) override;
  void ModelChanged(forms::Form&) override {}
  void TimerChanged(forms::Timer& timer) override;
  bool ShowOpen(forms::FileDialogRequest& request) override;
  bool ShowSave(forms::FileDialogRequest& request) override;
  bool ShowHelp(const std::string& helpFile, int command) override;
  void WatchLine(int fd, std::function<void()> onEvent) override;
  [[noreturn]] void EndProgram() override;
  bool Ending() const override { return ending; }

  // Lets virtual time pass while events run (timers fire, the line is serviced).
  void Advance(int ms);

  // Runs a piece of program code as the toolkit would: a program end stops it. Returns false
  // when the program ended.
  bool Run(const std::function<void()>& handler);

  // The operator presses a button or chooses a menu entry, through the exchange gate as the Qt
  // host does: false when the gate refused it (with a beep).
  bool Press(forms::CommandButton& button);
  bool Choose(forms::MenuItem& item);

  // Scripts. Answers are taken in order; with none left a box gets its first button.
  std::deque<forms::MsgAnswer> answers;
  // The operator of a modal window, by form name; runs each time that window is shown modal and
  // must hide or unload it. Without one the window is hidden at once.
  std::map<std::string, std::function<void(forms::Form&)>> modalOperators;
  // Files the operator picks in the file dialogs, in order; an empty name cancels.
  std::deque<std::string> openFiles, saveFiles;

  // Runs on every pump, for a test that acts while the program waits.
  std::function<void()> onPump;
  // Runs as each message box is shown, for a test that acts while the operator reads it.
  std::function<void(const ShownBox&)> onBox;

  // Record.
  std::vector<ShownBox> boxes;
  std::vector<std::string> shownForms;  // names, in the order they were shown
  std::vector<std::string> helpShown;
  std::vector<forms::FileDialogRequest> fileDialogs;
  std::vector<forms::Pointer> pointerHistory;
  forms::Pointer pointer = forms::Pointer::Default;
  int beeps = 0;
  bool ending = false;
  int pumps = 0;

  bool IsShown(const std::string& formName) const;
  const ShownBox* LastBox() const { return boxes.empty() ? nullptr : &boxes.back(); }

 private:
  void RunTimers();
  int64_t now_ = 1000000;
  std::map<forms::Timer*, int64_t> timers_;  // next due time
  std::vector<forms::Form*> visible_;
  std::function<void()> lineEvent_;
  int lineFd_ = -1;
};

}  // namespace testing_support
