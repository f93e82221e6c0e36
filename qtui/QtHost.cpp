// The host's core: windows, the model-to-widget refresh, modal shows, the guard of every entry
// from Qt, and the program's end.
#include "qtui/QtHost.h"

#include <QApplication>
#include <QEventLoop>
#include <algorithm>
#include <cstdio>

#include "qtui/FormWindow.h"
#include "qtui/Text.h"

namespace qtui {

QtHost::QtHost() {
  // The host decides when the program is over (see CheckLastWindow).
  QGuiApplication::setQuitOnLastWindowClosed(false);
  runMessageBox = [](QMessageBox& box) {
    box.exec();
    return box.standardButton(box.clickedButton());
  };
  runFileDialog = [](QFileDialog& dialog) { return dialog.exec() == QDialog::Accepted; };
  screenshotDir_ = FromQt(qEnvironmentVariable("RENDIX_SCREENSHOTS"));
}

QtHost::~QtHost() { TearDown(); }

bool QtHost::Enter(const std::function<void()>& code) {
  if (ending_) return false;
  ++running_;
  try {
    code();
  } catch (const forms::ProgramEnd&) {
    if (!ending_) Shutdown();
  } catch (const std::exception& e) {
    // A fault of the program must not unwind through Qt's event dispatch.
    std::fprintf(stderr, "rendix: unexpected failure: %s\n", e.what());
  }
  --running_;
  if (ending_) return false;
  Flush();
  if (running_ == 0) CheckLastWindow();
  return true;
}

int QtHost::Run(const std::function<void()>& start) {
  Enter(start);
  if (!ending_ && AnyWindowVisible()) {
    mainLoop_ = true;
    QApplication::exec();
    mainLoop_ = false;
  }
  TearDown();
  return 0;
}

// Windows and refresh -------------------------------------------------------------------------

FormWindow* QtHost::WindowOf(const forms::Form& form) const {
  auto it = windows_.find(&form);
  return it == windows_.end() ? nullptr : it->second.get();
}

FormWindow& QtHost::Window(forms::Form& form) {
  auto& slot = windows_[&form];
  if (!slot) slot = std::make_unique<FormWindow>(*this, form);
  return *slot;
}

void QtHost::ModelChanged(forms::Form& form) {
  if (FormWindow* window = WindowOf(form)) MarkDirty(*window);
}

void QtHost::MarkDirty(FormWindow& window) {
  if (ending_) return;
  if (std::find(dirty_.begin(), dirty_.end(), &window) == dirty_.end()) dirty_.push_back(&window);
  if (flushPosted_) return;
  flushPosted_ = true;
  QMetaObject::invokeMethod(
      this,
      [this] {
        flushPosted_ = false;
        Flush();
      },
      Qt::QueuedConnection);
}

void QtHost::Flush() {
  if (mirroring_ > 0 || ending_) return;
  std::vector<FormWindow*> windows;
  windows.swap(dirty_);
  for (FormWindow* window : windows) {
    window->Refresh();
    if (window->isVisible()) SaveShotIfAsked(*window);
  }
}

QImage QtHost::Grab(forms::Form& form) { return Window(form).Grab(); }

bool QtHost::SaveScreenshot(forms::Form& form, const std::string& pngPath) {
  return Grab(form).save(ToQt(pngPath), "PNG");
}

void QtHost::SaveShotIfAsked(FormWindow& window) {
  if (screenshotDir_.empty()) return;
  window.grab().save(ToQt(screenshotDir_ + "/" + window.Model().Name() + ".png"), "PNG");
}

// Showing and hiding --------------------------------------------------------------------------

void QtHost::ShowForm(forms::Form& form, forms::ShowMode mode) {
  if (ending_) return;
  QPointer<QWidget> before = QApplication::activeWindow();
  FormWindow& window = Window(form);
  window.Refresh();
  // A window running modal stays modal when it is shown again without modality.
  bool runningModal = std::any_of(modalLoops_.begin(), modalLoops_.end(),
                                  [&form](const ModalLoop& m) { return m.form == &form; });
  window.Present(runningModal ? forms::ShowMode::Modal : mode);
  // A window paints as it shows.
  form.Repaint();
  SaveShotIfAsked(window);
  if (mode != forms::ShowMode::Modal) return;
  QEventLoop loop;
  modalLoops_.push_back({&form, &loop});
  if (form.Visible() && form.Loaded()) loop.exec();  // until HideForm, FormUnloaded or the end
  modalLoops_.erase(std::remove_if(modalLoops_.begin(), modalLoops_.end(),
                                   [&loop](const ModalLoop& m) { return m.loop == &loop; }),
                    modalLoops_.end());
  // The window the modal one came from is the operator's again.
  if (!ending_ && before && before != &window && before->isVisible()) before->activateWindow();
}

void QtHost::HideForm(forms::Form& form) {
  if (FormWindow* window = WindowOf(form)) window->hide();
  ExitModalLoops(&form);
}

void QtHost::FormUnloaded(forms::Form& form) {
  HideForm(form);
  StopTimersOf(form);
}

namespace {

// What is left of a window built anew. Its widgets go first, then its timers, then the form
// their events reach.
class DiscardedWindow : public QObject {
 public:
  std::unique_ptr<forms::Form> form;
  std::vector<std::unique_ptr<QTimer>> timers;
  std::unique_ptr<FormWindow> window;
};

}  // namespace

// The old instance may be the one whose click or tick is running: it goes once control is back
// in the event loop that ran it.
void QtHost::Discard(std::unique_ptr<forms::Form> form) {
  auto* rest = new DiscardedWindow;
  if (auto it = windows_.find(form.get()); it != windows_.end()) {
    dirty_.erase(std::remove(dirty_.begin(), dirty_.end(), it->second.get()), dirty_.end());
    rest->window = std::move(it->second);
    windows_.erase(it);
  }
  for (auto it = timers_.begin(); it != timers_.end();) {
    if (&it->first->Parent() != form.get()) {
      ++it;
      continue;
    }
    if (it->second.timer) it->second.timer->stop();
    rest->timers.push_back(std::move(it->second.timer));
    it = timers_.erase(it);
  }
  rest->form = std::move(form);
  std::erase_if(discarded_, [](const QPointer<QObject>& old) { return old.isNull(); });
  discarded_.emplace_back(rest);
  rest->deleteLater();
}

void QtHost::ExitModalLoops(const forms::Form* form) {
  for (const ModalLoop& modal : modalLoops_)
    if (!form || modal.form == form) modal.loop->exit(0);
}

bool QtHost::AnyWindowVisible() const {
  return std::any_of(windows_.begin(), windows_.end(),
                     [](const auto& entry) { return entry.second->isVisible(); });
}

// Without a program end, the program is over when no window is left once the model code that
// hid the last one has returned to the main loop (a handler may hide one window and show the
// next).
void QtHost::CheckLastWindow() {
  if (!ending_ && mainLoop_ && running_ == 0 && !AnyWindowVisible()) QCoreApplication::exit(0);
}

// The end ---------------------------------------------------------------------------------------

void QtHost::EndProgram() {
  if (!ending_) Shutdown();
  throw forms::ProgramEnd{};
}

void QtHost::Shutdown() {
  ending_ = true;
  // Boxes and modal windows return at once; the code that waited on them sees the end.
  for (const QPointer<QDialog>& dialog : openDialogs_)
    if (dialog) dialog->reject();
  ExitModalLoops(nullptr);
  for (auto& [form, window] : windows_) window->hide();
  for (auto& [timer, state] : timers_) state.timer->stop();
  if (lineNotifier_) lineNotifier_->setEnabled(false);
  SetPointer(forms::Pointer::Default);
  if (mainLoop_) QCoreApplication::exit(0);
}

void QtHost::TearDown() {
  ending_ = true;
  lineNotifier_.reset();
  timers_.clear();
  SetPointer(forms::Pointer::Default);
  dirty_.clear();
  // The program's forms outlive the host's windows: what waits for the event loop goes now.
  for (const QPointer<QObject>& rest : discarded_) delete rest.data();
  discarded_.clear();
  windows_.clear();
}

}  // namespace qtui
