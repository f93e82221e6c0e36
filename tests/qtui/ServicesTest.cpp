// Message boxes, file dialogs, the pointer, the line's wake-up of a wait, and timers.
#include <QAbstractButton>
#include <QPushButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <fcntl.h>
#include <unistd.h>

#include "qtui/FileDialogs.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SampleWindow.h"
#include "tests/qtui/TitleWidth.h"

namespace qtui_tests {
namespace {

using forms::MsgAnswer;
using forms::MsgButtons;
using forms::MsgIcon;

struct BoxCase {
  MsgButtons buttons;
  MsgIcon icon;
  QMessageBox::StandardButtons shown;
  QMessageBox::Icon qtIcon;
  QMessageBox::StandardButton pressed;
  MsgAnswer answer;
};

class Services : public QtHostTest {};

TEST_F(Services, MessageBoxesShowTheButtonsAndIconAndAnswerThePressedButton) {
  const BoxCase cases[] = {
      {MsgButtons::OK, MsgIcon::Exclamation, QMessageBox::Ok, QMessageBox::Warning,
       QMessageBox::Ok, MsgAnswer::OK},
      {MsgButtons::OKCancel, MsgIcon::Question, QMessageBox::Ok | QMessageBox::Cancel,
       QMessageBox::Question, QMessageBox::Cancel, MsgAnswer::Cancel},
      {MsgButtons::YesNo, MsgIcon::Information, QMessageBox::Yes | QMessageBox::No,
       QMessageBox::Information, QMessageBox::No, MsgAnswer::No},
      {MsgButtons::YesNoCancel, MsgIcon::Critical,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Critical,
       QMessageBox::Yes, MsgAnswer::Yes},
      {MsgButtons::RetryCancel, MsgIcon::None, QMessageBox::Retry | QMessageBox::Cancel,
       QMessageBox::NoIcon, QMessageBox::Retry, MsgAnswer::Retry},
      {MsgButtons::AbortRetryIgnore, MsgIcon::Exclamation,
       QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore, QMessageBox::Warning,
       QMessageBox::Ignore, MsgAnswer::Ignore},
      // Closed without a button: the answer of its escape button (No in the three-way box).
      {MsgButtons::YesNoCancel, MsgIcon::Question,
       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Question,
       QMessageBox::NoButton, MsgAnswer::No},
      {MsgButtons::OK, MsgIcon::None, QMessageBox::Ok, QMessageBox::NoIcon,
       QMessageBox::NoButton, MsgAnswer::OK},
  };
  for (const BoxCase& c : cases) {
    QMessageBox::StandardButtons shown;
    QMessageBox::Icon icon{};
    QString text, title;
    QAbstractButton* defaultButton = nullptr;
    QMessageBox::StandardButton firstButton = QMessageBox::NoButton;
    host.runMessageBox = [&](QMessageBox& box) {
      shown = box.standardButtons();
      icon = box.icon();
      text = box.text();
      title = box.windowTitle();
      defaultButton = box.defaultButton();
      firstButton = box.standardButton(defaultButton);
      return c.pressed;
    };
    EXPECT_EQ(host.MsgBox("No Response\r\nCheck the cable", c.buttons, c.icon, "ERROR"), c.answer);
    EXPECT_EQ(shown, c.shown);
    EXPECT_EQ(icon, c.qtIcon);
    EXPECT_EQ(text, "No Response\nCheck the cable");
    EXPECT_EQ(title, "ERROR");
    // The first button of the row is the default.
    EXPECT_TRUE(firstButton == QMessageBox::Ok || firstButton == QMessageBox::Yes ||
                firstButton == QMessageBox::Retry || firstButton == QMessageBox::Abort);
  }
}

// A short text under a long title: the box is wide enough for the title in the title bar's bold
// face, with room for the bar's icon and buttons, at every desktop font.
TEST_F(Services, AMessageBoxIsAtLeastAsWideAsItsTitle) {
  const QFont desktop = QApplication::font();
  for (int points : {9, 12}) {
    QFont font = desktop;
    font.setPointSize(points);
    QApplication::setFont(font);
    for (const char* title : {"Carriage Calibration Plot", "Versión del Firmware en la ROM"}) {
      SCOPED_TRACE(title);
      int shownWidth = 0;
      host.runMessageBox = [&](QMessageBox& box) {
        box.show();
        shownWidth = box.width();
        EXPECT_GE(shownWidth, WholeTitleWidth(box));
        return QMessageBox::Ok;
      };
      host.MsgBox("48", MsgButtons::OK, MsgIcon::None, title);
      EXPECT_GT(shownWidth, 0);
    }
  }
  QApplication::setFont(desktop);
}

TEST_F(Services, AProgramEndWhileABoxIsOpenClosesItAndStopsTheCodeThatAsked) {
  SampleWindow form(host);
  form.Ticker.Tick = [&] { host.EndProgram(); };
  bool afterBox = false;
  host.runMessageBox = [&](QMessageBox& box) {
    form.Ticker.SetInterval(1);  // ends the program while the box is up
    box.exec();
    return box.standardButton(box.clickedButton());
  };
  EXPECT_FALSE(host.Enter([&] {
    form.Show();
    host.MsgBox("Waiting", MsgButtons::OK, MsgIcon::None, "rendix48");
    afterBox = true;
  }));
  EXPECT_FALSE(afterBox);
}

TEST(FileDialogs, FiltersBecomeQtNameFilters) {
  struct Case {
    std::string filter;
    QStringList expected;
  } cases[] = {
      {"Plot Files (*.plt)|*.plt|All Files (*.*)|*.*",
       {"Plot Files (*.plt) (*.plt)", "All Files (*.*) (*.*)"}},
      {"Cut files|*.plt;*.plx", {"Cut files (*.plt *.plx)"}},
      {"Settings|*.tkh|Dangling", {"Settings (*.tkh)"}},
      {"", {}},
  };
  for (const Case& c : cases) EXPECT_EQ(qtui::QtNameFilters(c.filter), c.expected) << c.filter;
}

TEST_F(Services, FileDialogsTakeTheRequestAndReturnTheChosenPath) {
  forms::FileDialogRequest request;
  request.DialogTitle = "Send File";
  request.Filter = "Plot Files|*.plt";
  request.InitDir = "/tmp";
  request.Flags = 530433;  // the file must exist
  QString title;
  QFileDialog::FileMode mode{};
  host.runFileDialog = [&](QFileDialog& dialog) {
    title = dialog.windowTitle();
    mode = dialog.fileMode();
    dialog.selectFile("/tmp/job.plt");
    return true;
  };
  EXPECT_TRUE(host.ShowOpen(request));
  EXPECT_EQ(title, "Send File");
  EXPECT_EQ(mode, QFileDialog::ExistingFile);
  EXPECT_EQ(request.FileName, "/tmp/job.plt");

  host.runFileDialog = [](QFileDialog&) { return false; };
  request.FileName = "settings.tkh";
  EXPECT_FALSE(host.ShowSave(request));
  EXPECT_EQ(request.FileName, "settings.tkh");  // a cancel leaves the request as it was
}

TEST_F(Services, TheHourglassIsOneOverrideHoweverOftenItIsAsked) {
  host.SetPointer(forms::Pointer::Hourglass);
  host.SetPointer(forms::Pointer::Hourglass);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  host.SetPointer(forms::Pointer::Default);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
  host.SetPointer(forms::Pointer::Default);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(Services, DataOnTheLineEndsAWaitEarlyAndRunsTheLineEvent) {
  int fds[2];
  ASSERT_EQ(::pipe(fds), 0);
  std::string received;
  host.WatchLine(fds[0], [&] {
    char buffer[16];
    ssize_t n = ::read(fds[0], buffer, sizeof buffer);
    if (n > 0) received.append(buffer, static_cast<size_t>(n));
  });
  // The data arrives while the wait sleeps (a timer posts it from inside the wait).
  QTimer::singleShot(5, [&] { EXPECT_EQ(::write(fds[1], "_\r", 2), 2); });
  ::fcntl(fds[0], F_SETFL, O_NONBLOCK);
  QElapsedTimer clock;
  clock.start();
  while (received.empty() && clock.elapsed() < 5000) host.WaitEvents(3000);
  EXPECT_EQ(received, "_\r");
  EXPECT_LT(clock.elapsed(), 2500);  // woken by the data, not by the wait's end
  host.WatchLine(-1, {});
  ::close(fds[0]);
  ::close(fds[1]);
}

TEST_F(Services, TimersTickThroughTheHostAndStopWithTheirForm) {
  SampleWindow form(host);
  form.EnsureLoaded();
  int ticks = 0;
  form.Ticker.Tick = [&] { ++ticks; };
  form.Ticker.SetInterval(1);
  QElapsedTimer clock;
  clock.start();
  while (ticks < 3 && clock.elapsed() < 5000) host.WaitEvents(50);
  EXPECT_GE(ticks, 3);
  form.Unload();
  int atUnload = ticks;
  for (int i = 0; i < 5; ++i) host.WaitEvents(2);
  EXPECT_EQ(ticks, atUnload);
}

}  // namespace
}  // namespace qtui_tests
