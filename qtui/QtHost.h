#pragma once
// The Qt host: renders the program's forms as Qt windows, keeps model and widgets in step, and
// gives the program its message boxes, file dialogs, pointer, beep, timers and event pump.
// Every entry from Qt into the model goes through Enter, which stops at a program end.
#include <QFileDialog>
#include <QImage>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <QSocketNotifier>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "forms/Form.h"
#include "forms/Host.h"
#include "qtui/FileDialogs.h"

class QEventLoop;

namespace qtui {

class FormWindow;

class QtHost : public QObject, public forms::Host {
 public:
  // Needs the QApplication; the windows take the desktop's font and style.
  QtHost();
  ~QtHost() override;

  // forms::Host.
  forms::MsgAnswer MsgBox(const std::string& text, forms::MsgButtons buttons, forms::MsgIcon icon,
                          const std::string& title) override;
  void Beep() override;
  void SetPointer(forms::Pointer pointer) override;
  void DoEvents() override;
  void WaitEvents(int maxMs) override;
  void ShowForm(forms::Form& form, forms::ShowMode mode) override;
  void HideForm(forms::Form& form) override;
  void FormUnloaded(forms::Form& form) override;
  void Discard(std::unique_ptr<forms::Form> form) override;
  void ModelChanged(forms::Form& form) override;
  void TimerChanged(forms::Timer& timer) override;
  bool ShowOpen(forms::FileDialogRequest& request) override;
  bool ShowSave(forms::FileDialogRequest& request) override;
  bool ShowHelp(const std::string& helpFile, int command) override;
  void WatchLine(int fd, std::function<void()> onEvent) override;
  [[noreturn]] void EndProgram() override;
  bool Ending() const override { return ending_; }

  // Runs the program's start under the program-end guard, then the event loop until the program
  // ends or its last window goes. The windows are gone afterwards. Returns the exit code.
  int Run(const std::function<void()>& start);

  // Runs model code on behalf of Qt: a program end stops it; changes are mirrored afterwards.
  // False when the program is ending.
  bool Enter(const std::function<void()>& code);

  // While a scope lives, the host mirrors the model into widgets: widget signals reach no model
  // event.
  class MirrorScope {
   public:
    explicit MirrorScope(QtHost& host) : host_(host) { ++host_.mirroring_; }
    ~MirrorScope() { --host_.mirroring_; }
    MirrorScope(const MirrorScope&) = delete;
    MirrorScope& operator=(const MirrorScope&) = delete;

   private:
    QtHost& host_;
  };
  bool Mirroring() const { return mirroring_ > 0; }

  // Asks for a refresh of the window at the next pump (repeated asks make one refresh).
  void MarkDirty(FormWindow& window);
  // The window of a form; Window builds it (hidden) on first use.
  FormWindow* WindowOf(const forms::Form& form) const;
  FormWindow& Window(forms::Form& form);

  // The form's window as an image, and saved as a PNG file (false when it cannot be written).
  QImage Grab(forms::Form& form);
  bool SaveScreenshot(forms::Form& form, const std::string& pngPath);

  // Sends a character a key handler substituted to the widget, past the key handling.
  void SendKey(QWidget* widget, int charCode);
  bool PassingKey() const { return passingKey_; }

  // How boxes and file dialogs are run: by default exec(); tests answer them instead. The message
  // box runner returns the button pressed (NoButton when the box was closed without one).
  std::function<QMessageBox::StandardButton(QMessageBox&)> runMessageBox;
  std::function<bool(QFileDialog&)> runFileDialog;

 private:
  struct ModalLoop {
    forms::Form* form;
    QEventLoop* loop;
  };

  void Pump();
  void Flush();
  void ServiceLine();
  void LineReadable();
  void Tick(forms::Timer& timer);
  void StopTimersOf(const forms::Form& form);
  void ExitModalLoops(const forms::Form* form);
  void CheckLastWindow();
  bool AnyWindowVisible() const;
  QWidget* DialogParent() const;
  void Shutdown();
  void TearDown();
  void SaveShotIfAsked(FormWindow& window);
  void RunNested(QDialog& dialog, const std::function<void()>& run);
  bool FileDialog(forms::FileDialogRequest& request, FileDialogKind kind);

  std::map<const forms::Form*, std::unique_ptr<FormWindow>> windows_;
  std::vector<QPointer<QObject>> discarded_;  // old instances waiting for the event loop
  std::vector<FormWindow*> dirty_;
  bool flushPosted_ = false;
  int mirroring_ = 0;
  bool ending_ = false;
  bool mainLoop_ = false;
  int running_ = 0;  // model code entered from Qt and still running
  std::vector<ModalLoop> modalLoops_;
  std::vector<QPointer<QDialog>> openDialogs_;
  bool waitCursor_ = false;
  bool passingKey_ = false;

  struct TimerState {
    std::unique_ptr<QTimer> timer;
    bool ticking = false;
  };
  std::map<forms::Timer*, TimerState> timers_;

  std::function<void()> lineEvent_;
  std::unique_ptr<QSocketNotifier> lineNotifier_;
  int lineFd_ = -1;
  bool lineBusy_ = false;

  std::string screenshotDir_;
};

}  // namespace qtui
