// The host's services to the program: message boxes, file dialogs, help, pointer and beep.
#include <QApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QKeyEvent>
#include <QUrl>
#include <algorithm>

#include "qtui/FileDialogs.h"
#include "qtui/FormWindow.h"
#include "qtui/KeyCodes.h"
#include "qtui/MessageBoxes.h"
#include "qtui/QtHost.h"
#include "qtui/Text.h"

namespace qtui {

// Runs a box or dialog in its own loop; a program end while it is open closes it and stops the
// code that asked for it.
void QtHost::RunNested(QDialog& dialog, const std::function<void()>& run) {
  if (ending_) throw forms::ProgramEnd{};
  Flush();  // the windows behind show what the program did up to here
  openDialogs_.push_back(&dialog);
  run();
  openDialogs_.erase(std::remove(openDialogs_.begin(), openDialogs_.end(), &dialog),
                     openDialogs_.end());
  if (ending_) throw forms::ProgramEnd{};
}

QWidget* QtHost::DialogParent() const {
  QWidget* active = QApplication::activeWindow();
  for (const auto& [form, window] : windows_)
    if (window.get() == active && window->isVisible()) return active;
  if (!modalLoops_.empty())
    if (FormWindow* window = WindowOf(*modalLoops_.back().form)) return window;
  for (const auto& [form, window] : windows_)
    if (window->isVisible()) return window.get();
  return nullptr;
}

forms::MsgAnswer QtHost::MsgBox(const std::string& text, forms::MsgButtons buttons,
                                forms::MsgIcon icon, const std::string& title) {
  auto box = MakeMessageBox(text, buttons, icon, title, DialogParent());
  QMessageBox::StandardButton pressed = QMessageBox::NoButton;
  RunNested(*box, [&] { pressed = runMessageBox(*box); });
  return AnswerOf(pressed, buttons);
}

bool QtHost::FileDialog(forms::FileDialogRequest& request, FileDialogKind kind) {
  return RunFileDialog(request, kind, DialogParent(), [this](QFileDialog& dialog) {
    bool accepted = false;
    RunNested(dialog, [&] { accepted = runFileDialog(dialog); });
    return accepted;
  });
}

bool QtHost::ShowOpen(forms::FileDialogRequest& request) {
  return FileDialog(request, FileDialogKind::Open);
}

bool QtHost::ShowSave(forms::FileDialogRequest& request) {
  return FileDialog(request, FileDialogKind::Save);
}

bool QtHost::ShowHelp(const std::string& helpFile, int) {
  QString path = ToQt(helpFile);
  if (path.isEmpty() || !QFileInfo(path).isFile()) return false;
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void QtHost::Beep() { QApplication::beep(); }

void QtHost::SetPointer(forms::Pointer pointer) {
  bool wait = pointer == forms::Pointer::Hourglass;
  if (wait == waitCursor_) return;  // one override at most, however often it is asked
  waitCursor_ = wait;
  if (wait)
    QApplication::setOverrideCursor(Qt::WaitCursor);
  else
    QApplication::restoreOverrideCursor();
}

void QtHost::SendKey(QWidget* widget, int charCode) {
  char32_t code = static_cast<char32_t>(charCode);
  QKeyEvent press(QEvent::KeyPress, QtKeyForChar(charCode), Qt::NoModifier,
                  QString::fromUcs4(&code, 1));
  passingKey_ = true;
  QCoreApplication::sendEvent(widget, &press);
  passingKey_ = false;
}

}  // namespace qtui
