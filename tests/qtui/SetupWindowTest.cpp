// The start-up windows as the operator meets them: real windows with their captions, and a Setup
// window whose list, check box, option buttons, hint line and Enter work with mouse and keyboard.
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QTest>

#include <functional>

#include "qtui/FormWindow.h"
#include "setup/About.h"
#include "setup/Config.h"
#include "setup/Splash.h"
#include "sim/SimSerialLine.h"
#include "startup/App.h"
#include "startup/ModelTable.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SerialProgram.h"
#include "tests/support/FakeParlink.h"

namespace qtui_tests {
namespace {

// The program over the Qt host, with a model 32 cutter on COM1 (a line without transmission time).
class SetupWindow : public SerialProgramTest {
 protected:
  SetupWindow() {
    taskhelm::InitModelTable(app);
    app.s.ModelCode = 32;
    app.s.PortName = "COM1";
    app.s.LptPortName = "LPT0";
    app.s.PlotterPresent = true;
    app.s.ReportErrors = true;
  }

  template <class W>
  qtui::FormWindow& Shown() {
    W& form = app.Window<W>();
    form.Show();
    qtui::FormWindow& window = *host.WindowOf(form);
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    return window;
  }
};

TEST_F(SetupWindow, SplashSetupAndAboutAreRealWindows) {
  const std::pair<qtui::FormWindow*, QString> windows[] = {
      {&Shown<taskhelm::Splash>(), "Taskhelm"},
      {&Shown<taskhelm::Config>(), "Taskhelm Setup"},
      {&Shown<taskhelm::About>(), "About Kelvaro R/V - Quorvane Taskhelm"},
  };
  for (const auto& [window, caption] : windows) {
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isWindow());
    EXPECT_EQ(window->windowTitle(), caption);
  }
}

TEST_F(SetupWindow, ListCheckBoxOptionsAndHintsWorkWithTheMouse) {
  qtui::FormWindow& window = Shown<taskhelm::Config>();
  taskhelm::Config& config = app.Window<taskhelm::Config>();
  auto* list = qobject_cast<QListWidget*>(window.WidgetOf(config.PlotterList));
  ASSERT_TRUE(list);
  EXPECT_EQ(list->count(), 10);
  EXPECT_EQ(list->currentRow(), 4);  // "Kelvaro R/V ", the configured model

  QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                    list->visualItemRect(list->item(1)).center());
  EXPECT_EQ(config.SelectedModel, 36);

  QTest::mouseClick(window.WidgetOf(config.Com2), Qt::LeftButton);
  EXPECT_EQ(app.s.PendingPortName, "COM2");
  host.DoEvents();
  EXPECT_FALSE(qobject_cast<QRadioButton*>(window.WidgetOf(config.Com1))->isChecked());
  EXPECT_EQ(qobject_cast<QLineEdit*>(window.WidgetOf(config.StatusBar))->text(),
            "Select the Com port connected to your plotter or signcutter.");

  QTest::mouseClick(window.WidgetOf(config.PresentChk), Qt::LeftButton);
  host.DoEvents();
  EXPECT_FALSE(app.s.PresentChecked);
  EXPECT_FALSE(window.WidgetOf(config.Com3)->isEnabled());
  EXPECT_FALSE(window.WidgetOf(config.LPT[0])->isEnabled());
  EXPECT_FALSE(qobject_cast<QCheckBox*>(window.WidgetOf(config.PresentChk))->isChecked());
}

TEST_F(SetupWindow, ArrowKeysChooseAndEnterConnects) {
  qtui::FormWindow& window = Shown<taskhelm::Config>();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  taskhelm::Config& config = app.Window<taskhelm::Config>();
  QWidget* list = window.WidgetOf(config.PlotterList);
  list->setFocus(Qt::TabFocusReason);
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(config.SelectedModel, 35);
  QTest::keyClick(list, Qt::Key_Up);
  EXPECT_EQ(config.SelectedModel, 32);

  // Alt+Enter is a chord, not the list's Enter: nothing connects.
  QTest::keyClick(list, Qt::Key_Return, Qt::AltModifier);
  EXPECT_TRUE(config.Visible());
  EXPECT_EQ(device.Received(), "");

  QTest::keyClick(list, Qt::Key_Return);  // OK: the cutter on COM1 answers and is read
  EXPECT_NE(device.Received().find("!IC@"), std::string::npos);
  EXPECT_NE(device.Received().find("!DD@"), std::string::npos);
  EXPECT_TRUE(app.s.DeviceSettingsRead);
  EXPECT_FALSE(config.Visible());
  EXPECT_FALSE(window.isVisible());
}

// A model the list does not name (read from the start-up file as "47 1 0"): the list gets the
// focus and Qt makes a row current, but nothing is chosen, so OK keeps the model.
TEST_F(SetupWindow, AListTheOperatorDidNotTouchKeepsTheConfiguredModel) {
  app.s.ModelCode = 47;
  host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
  qtui::FormWindow& window = Shown<taskhelm::Config>();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  taskhelm::Config& config = app.Window<taskhelm::Config>();
  auto* list = qobject_cast<QListWidget*>(window.WidgetOf(config.PlotterList));
  list->setFocus(Qt::TabFocusReason);
  host.DoEvents();
  EXPECT_EQ(config.ActiveControl(), &config.PlotterList);
  EXPECT_EQ(config.PlotterList.ListIndex(), -1);
  EXPECT_TRUE(list->selectedItems().isEmpty());
  EXPECT_EQ(config.SelectedModel, 47);

  // An arrow key chooses: Down from nothing chosen, the first row.
  QTest::keyClick(list, Qt::Key_Down);
  EXPECT_EQ(config.PlotterList.ListIndex(), 0);
  EXPECT_EQ(config.SelectedModel, 42);
}

// Tabs on until the control has the focus, as the operator reaches it.
void TabTo(qtui::FormWindow& window, const forms::Control& control) {
  for (int tab = 0; tab < 20 && window.Model().ActiveControl() != &control; ++tab) {
    QTest::keyClick(window.focusWidget() ? window.focusWidget() : &window, Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  ASSERT_EQ(window.Model().ActiveControl(), &control);
}

// The model list always shows the model OK will use, and shows the focus also with nothing
// chosen.
TEST_F(SetupWindow, TheModelListShowsWhatOKUsesAndItsFocus) {
  struct ListCase {
    const char* name;
    int model;
    int shownRow;  // -1: none
    std::function<void(QListWidget&)> act;
  };
  const ListCase cases[] = {
      {"a click below the last entry", 32, 4,
       [](QListWidget& list) {
         const QPoint below = list.visualItemRect(list.item(list.count() - 1)).bottomLeft() +
                              QPoint(4, 4);
         ASSERT_TRUE(list.viewport()->rect().contains(below));
         QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, below);
       }},
      {"Ctrl+Space on the chosen entry", 32, 4,
       [](QListWidget& list) {  // as the window system sends it: the character NUL
         QTest::sendKeyEvent(QTest::Click, &list, Qt::Key_Space, QString(QChar(0)),
                             Qt::ControlModifier);
       }},
      {"nothing chosen", 47, -1, [](QListWidget&) {}},
  };
  for (const ListCase& c : cases) {
    SCOPED_TRACE(c.name);
    app.s.ModelCode = static_cast<int16_t>(c.model);
    host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
    qtui::FormWindow& window = Shown<taskhelm::Config>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    taskhelm::Config& config = app.Window<taskhelm::Config>();
    auto* list = qobject_cast<QListWidget*>(window.WidgetOf(config.PlotterList));
    TabTo(window, config.ConfigOK);
    const QImage unfocused = list->grab().toImage();
    TabTo(window, config.PlotterList);
    c.act(*list);
    QCoreApplication::processEvents();
    EXPECT_EQ(list->selectedItems().isEmpty() ? -1 : list->row(list->selectedItems().front()),
              c.shownRow);
    EXPECT_EQ(config.PlotterList.ListIndex(), c.shownRow);
    EXPECT_EQ(config.SelectedModel, c.model);
    EXPECT_NE(list->grab().toImage(), unfocused) << "the list does not show the focus";
    host.Enter([&] { config.Unload(); });
  }
}

TEST_F(SetupWindow, OKWithoutTouchingTheListKeepsTheConfiguredModel) {
  app.s.ModelCode = 47;
  host.runMessageBox = [](QMessageBox&) { return QMessageBox::Ok; };
  qtui::FormWindow& window = Shown<taskhelm::Config>();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  taskhelm::Config& config = app.Window<taskhelm::Config>();
  window.WidgetOf(config.PlotterList)->setFocus(Qt::TabFocusReason);
  host.DoEvents();
  QTest::mouseClick(window.WidgetOf(config.ConfigOK), Qt::LeftButton);
  EXPECT_EQ(app.s.ConfigModel, 47);  // the model OK kept and connected as
}

}  // namespace
}  // namespace qtui_tests
