// Modal shows run a nested loop until the form hides; the program's end leaves every loop and
// stops the code that waited; without an end the program is over when its last window goes.
#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>

#include "qtui/FormWindow.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SampleWindow.h"

namespace qtui_tests {
namespace {

class Modal : public QtHostTest {
 protected:
  SampleWindow main{host, "Main"};
  PlainDialog outer{host, "Outer"};
  PlainDialog inner{host, "Inner"};
  std::vector<std::string> order;
};

TEST_F(Modal, AModalShowReturnsWhenTheFormHides) {
  QTimer::singleShot(0, [&] {
    order.push_back(std::string("running, modal window ") +
                    (host.WindowOf(outer)->isModal() ? "modal" : "modeless"));
    host.Enter([&] { outer.Hide(); });
  });
  EXPECT_TRUE(host.Enter([&] {
    outer.Show(forms::ShowMode::Modal);
    order.push_back("after Show");
  }));
  EXPECT_EQ(order, (std::vector<std::string>{"running, modal window modal", "after Show"}));
  EXPECT_FALSE(host.WindowOf(outer)->isVisible());
}

TEST_F(Modal, TheOperatorsButtonRunsInsideTheModalLoopAndItsUnloadEndsIt) {
  outer.OK.Click = [&] {
    order.push_back("OK");
    outer.Unload();
  };
  QTimer::singleShot(0, [&] {
    auto* ok = static_cast<QAbstractButton*>(host.WindowOf(outer)->WidgetOf(outer.OK));
    ok->click();
  });
  host.Enter([&] {
    outer.Show(forms::ShowMode::Modal);
    order.push_back("after Show");
  });
  EXPECT_EQ(order, (std::vector<std::string>{"OK", "after Show"}));
  EXPECT_FALSE(outer.Loaded());
}

TEST_F(Modal, EndProgramInsideNestedModalLoopsEndsThemAllAndStopsTheirCallers) {
  // Outer shown modal from start-up; inner shown modal from outer's button; inner's button ends.
  outer.OK.Click = [&] {
    inner.Show(forms::ShowMode::Modal);
    order.push_back("after inner Show");
  };
  inner.OK.Click = [&] {
    order.push_back("End");
    host.EndProgram();
  };
  auto press = [&](PlainDialog& dialog) {
    static_cast<QAbstractButton*>(host.WindowOf(dialog)->WidgetOf(dialog.OK))->click();
  };
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] { press(inner); });  // runs inside the inner loop
    press(outer);
  });
  EXPECT_FALSE(host.Enter([&] {
    main.Show();
    outer.Show(forms::ShowMode::Modal);
    order.push_back("after outer Show");
  }));
  EXPECT_EQ(order, std::vector<std::string>{"End"});
  EXPECT_TRUE(host.Ending());
  for (forms::Form* f : std::vector<forms::Form*>{&main, &outer, &inner})
    EXPECT_FALSE(host.WindowOf(*f)->isVisible()) << f->Name();
  // Nothing runs any more.
  EXPECT_FALSE(host.Enter([&] { order.push_back("late"); }));
  EXPECT_EQ(order.size(), 1u);
}

// The form's Paint runs as the window shows, and again when a dialog over it has closed (the
// settings windows redisplay there what another window read from the device).
TEST_F(Modal, AWindowPaintsAsItShowsAndWhenADialogOverItCloses) {
  int paints = 0;
  main.Paint = [&] { ++paints; };
  host.Enter([&] { main.Show(); });
  EXPECT_EQ(paints, 1);
  QCoreApplication::processEvents();
  const int shown = paints;
  QTimer::singleShot(0, [&] { host.Enter([&] { outer.Hide(); }); });
  host.Enter([&] { outer.Show(forms::ShowMode::Modal); });
  QCoreApplication::processEvents();
  EXPECT_GT(paints, shown);
}

// A modeless window brought forward from another window of the program runs its Activate (the
// servo tuner re-reads the device there); a message box over it closing does not, or a device
// that never answers would alternate between time-out boxes and new reads.
TEST_F(Modal, AModelessWindowActivatesWhenBroughtForwardNotWhenABoxOverItCloses) {
  PlainDialog side{host, "Side"};
  int activations = 0;
  main.Activate = [&] { ++activations; };
  // Activation events, then the handlers they post.
  auto settle = [] {
    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
  };
  host.Enter([&] {
    main.Show();
    side.Show();
  });
  settle();
  EXPECT_EQ(activations, 1) << "the show itself activates once";

  qtui::FormWindow& mainWindow = *host.WindowOf(main);
  mainWindow.activateWindow();
  settle();
  EXPECT_EQ(activations, 2);

  host.runMessageBox = [settle](QMessageBox& box) {
    box.show();
    box.activateWindow();
    settle();
    box.hide();
    return QMessageBox::Ok;
  };
  host.Enter([&] { host.MsgBox("No reply", forms::MsgButtons::OK, forms::MsgIcon::Exclamation, ""); });
  mainWindow.activateWindow();
  settle();
  EXPECT_EQ(activations, 2);

  host.WindowOf(side)->activateWindow();
  settle();
  host.Enter([&] { main.Show(); });  // the program brings it forward
  settle();
  EXPECT_EQ(activations, 3);
}

TEST_F(Modal, RunEndsWithTheLastWindowWhenNoProgramEndCame) {
  int result = host.Run([&] {
    main.Show();
    QTimer::singleShot(0, [&] { host.Enter([&] { main.Unload(); }); });
  });
  EXPECT_EQ(result, 0);
  EXPECT_EQ(host.WindowOf(main), nullptr);  // the windows are gone with the loop
}

TEST_F(Modal, RunEndsAtAProgramEndFromTheMainLoop) {
  main.Send.Click = [&] { host.EndProgram(); };
  int result = host.Run([&] {
    main.Show();
    QTimer::singleShot(0, [&] {
      static_cast<QAbstractButton*>(host.WindowOf(main)->WidgetOf(main.Send))->click();
    });
  });
  EXPECT_EQ(result, 0);
  EXPECT_TRUE(host.Ending());
}

}  // namespace
}  // namespace qtui_tests
