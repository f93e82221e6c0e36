// The operator's actions on the widgets reach the model once: clicks, typing, list choices, spin
// buttons, menus, focus moves, and the close box.
#include <QApplication>
#include <QCheckBox>
#include <QMouseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QToolButton>

#include "qtui/FormWindow.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SampleWindow.h"

namespace qtui_tests {
namespace {

class Interaction : public QtHostTest {
 protected:
  SampleWindow form{host};
  bool shown = (form.Show(), true);
  qtui::FormWindow& window = *host.WindowOf(form);
  bool active = QTest::qWaitForWindowActive(&window);

  QWidget* W(const forms::Control& control) { return window.WidgetOf(control); }
};

TEST_F(Interaction, AClickThroughQtFiresTheModelsClickExactlyOnce) {
  struct Case {
    forms::Control* control;
    const char* event;
  } cases[] = {{&form.Units, "Units.Click"}, {&form.ModeA, "ModeA.Click"},
               {&form.Send, "Send.Click"}};
  for (const Case& c : cases) {
    QTest::mouseClick(W(*c.control), Qt::LeftButton);
    EXPECT_EQ(form.count[c.event], 1) << c.event;
  }
  EXPECT_EQ(form.Units.Value(), 1);
  EXPECT_TRUE(form.ModeA.Value());

  // The sibling option clears in the model and in its widget; the other frame keeps its own.
  form.PenUp.SetValue(true);
  QTest::mouseClick(W(form.ModeB), Qt::LeftButton);
  host.DoEvents();
  EXPECT_FALSE(form.ModeA.Value());
  EXPECT_FALSE(qobject_cast<QRadioButton*>(W(form.ModeA))->isChecked());
  EXPECT_TRUE(qobject_cast<QRadioButton*>(W(form.PenUp))->isChecked());

  // Clicking a selected option again neither clicks nor lets Qt clear the widget.
  QTest::mouseClick(W(form.ModeB), Qt::LeftButton);
  EXPECT_EQ(form.count["ModeB.Click"], 1);
  EXPECT_TRUE(qobject_cast<QRadioButton*>(W(form.ModeB))->isChecked());

  // A check box whose Click puts the value back shows the model's value, not Qt's.
  form.Units.Click = [this] { form.Units.SetValue(0, forms::Notify::Silent); };
  QTest::mouseClick(W(form.Units), Qt::LeftButton);
  EXPECT_EQ(form.Units.Value(), 0);
  EXPECT_FALSE(qobject_cast<QCheckBox*>(W(form.Units))->isChecked());
}

// While the device is busy with an exchange, the operator's actions are refused (with a beep)
// and the widgets keep showing the model; a control marked Allowed still acts.
TEST_F(Interaction, ActionsDuringAnExchangeAreRefusedUnlessAllowed) {
  {
    forms::ExchangeGate::DeviceUse busy(host.exchange);
    QTest::mouseClick(W(form.Send), Qt::LeftButton);
    QTest::mouseClick(W(form.Units), Qt::LeftButton);
    QTest::keyClicks(W(form.Speed), "7");
    window.ActionOf(form.MetricCom)->trigger();
    for (const char* event : {"Send.Click", "Units.Click", "Speed.Change", "MetricCom.Click"})
      EXPECT_EQ(form.count[event], 0) << event;
    EXPECT_FALSE(qobject_cast<QCheckBox*>(W(form.Units))->isChecked());
    EXPECT_EQ(qobject_cast<QLineEdit*>(W(form.Speed))->text(), "");

    form.Send.duringExchange = forms::DuringExchange::Allowed;
    QTest::mouseClick(W(form.Send), Qt::LeftButton);
    EXPECT_EQ(form.count["Send.Click"], 1);
  }
  QTest::mouseClick(W(form.Units), Qt::LeftButton);
  EXPECT_EQ(form.count["Units.Click"], 1);
}

TEST_F(Interaction, ADisabledButtonDoesNotClick) {
  form.Send.SetEnabled(false);
  host.DoEvents();
  QTest::mouseClick(W(form.Send), Qt::LeftButton);
  EXPECT_EQ(form.count["Send.Click"], 0);
}

TEST_F(Interaction, TypingListChoicesSpinsAndMenusReachTheModel) {
  auto* speed = qobject_cast<QLineEdit*>(W(form.Speed));
  speed->setFocus(Qt::MouseFocusReason);
  QTest::keyClicks(speed, "42");
  EXPECT_EQ(form.Speed.Text(), "42");
  EXPECT_EQ(form.count["Speed.Change"], 2);
  EXPECT_EQ(form.Speed.SelStart(), 2);
  QTest::keyClick(speed, Qt::Key_Home);
  EXPECT_EQ(form.Speed.SelStart(), 0);

  auto* models = qobject_cast<QListWidget*>(W(form.Models));
  QRect second = models->visualItemRect(models->item(1));
  QTest::mouseClick(models->viewport(), Qt::LeftButton, {}, second.center());
  EXPECT_EQ(form.Models.ListIndex(), 1);
  EXPECT_EQ(form.count["Models.Click"], 1);

  QList<QToolButton*> arrows = W(form.SpeedSpin)->findChildren<QToolButton*>();
  ASSERT_EQ(arrows.size(), 2);
  for (QToolButton* arrow : arrows) arrow->click();
  EXPECT_EQ(form.count["SpeedSpin.SpinUp"], 1);
  EXPECT_EQ(form.count["SpeedSpin.SpinDown"], 1);

  QAction* metric = window.ActionOf(form.MetricCom);
  ASSERT_TRUE(metric);
  metric->trigger();
  EXPECT_EQ(form.count["MetricCom.Click"], 1);
  EXPECT_FALSE(metric->isChecked());  // Qt's own toggle gives way to the model's state
}

TEST_F(Interaction, FocusMovesRunLostFocusThenGotFocusAndCodeMovesTheWidgetFocus) {
  W(form.Speed)->setFocus(Qt::MouseFocusReason);
  W(form.Units)->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(form.order, (std::vector<std::string>{"Speed.GotFocus", "Speed.LostFocus",
                                                  "Units.GotFocus"}));
  EXPECT_EQ(form.ActiveControl(), &form.Units);

  form.Send.SetFocus();
  host.DoEvents();
  EXPECT_EQ(window.focusWidget(), W(form.Send));

  // Tab goes by tab index through the model.
  form.Send.SetTabIndex(0);
  form.Speed.SetTabIndex(1);
  QTest::keyClick(W(form.Send), Qt::Key_Tab);
  EXPECT_EQ(form.ActiveControl(), &form.Speed);
  EXPECT_EQ(window.focusWidget(), W(form.Speed));
}

TEST_F(Interaction, MouseMovesReachTheInnermostEnabledControlOrTheForm) {
  auto move = [](QWidget* widget) {
    QPoint at = widget->rect().center();
    QMouseEvent event(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);  // travels on to the parents as Qt does
  };
  form.order.clear();
  move(W(form.ModeA));
  EXPECT_EQ(form.order, std::vector<std::string>{"ModeA.MouseMove"});
  form.order.clear();
  move(window.centralWidget());
  EXPECT_EQ(form.order, std::vector<std::string>{"Form.MouseMove"});
  form.order.clear();
  form.ModeA.SetEnabled(false);  // a disabled control leaves the move to its frame
  host.DoEvents();
  move(W(form.ModeA));
  EXPECT_EQ(form.order, std::vector<std::string>{"Modes.MouseMove"});
}

TEST_F(Interaction, TheCloseBoxAsksQueryUnloadAndACancelKeepsTheWindow) {
  std::vector<int> modes;
  int keep = 1;
  form.QueryUnload = [&](int& cancel, int mode) {
    modes.push_back(mode);
    cancel = keep;
  };
  window.close();
  EXPECT_TRUE(window.isVisible());
  EXPECT_TRUE(form.Loaded());
  keep = 0;
  window.close();
  EXPECT_FALSE(window.isVisible());
  EXPECT_FALSE(form.Loaded());
  EXPECT_EQ(modes, (std::vector<int>{forms::FromControlMenu, forms::FromControlMenu}));
}

}  // namespace
}  // namespace qtui_tests
