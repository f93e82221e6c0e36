// The host renders a form's controls with the model's captions and positions, and later model
// changes show in the widgets.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QToolButton>

#include "qtui/FormWindow.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SampleWindow.h"
#include "tests/qtui/TitleWidth.h"

namespace qtui_tests {
namespace {

class Render : public QtHostTest {
 protected:
  SampleWindow form{host};
  bool shown = (form.Show(), true);
  qtui::FormWindow& window = *host.WindowOf(form);

  template <class W>
  W* WidgetOf(const forms::Control& control) {
    return qobject_cast<W*>(window.WidgetOf(control));
  }
  QRect Rect(const forms::Control& control) {
    const forms::Rect& g = control.Geometry();
    return {g.Left, g.Top, g.Width, g.Height};
  }
};

TEST_F(Render, EachControlGetsItsKindOfWidgetAtItsPlace) {
  EXPECT_EQ(window.windowTitle(), "Sample Settings");
  EXPECT_EQ(window.centralWidget()->size(), QSize(360, 260));

  auto* heading = WidgetOf<QLabel>(form.Heading);
  ASSERT_TRUE(heading);
  EXPECT_EQ(heading->text(), "First line\nSecond line");
  auto* units = WidgetOf<QCheckBox>(form.Units);
  ASSERT_TRUE(units);
  EXPECT_EQ(units->text(), "&Metric");
  ASSERT_TRUE(WidgetOf<QLineEdit>(form.Speed));
  ASSERT_TRUE(WidgetOf<QPlainTextEdit>(form.Notes));
  ASSERT_TRUE(WidgetOf<QPushButton>(form.Send));
  EXPECT_EQ(WidgetOf<QProgressBar>(form.Progress)->maximum(), 50);
  auto* models = WidgetOf<QListWidget>(form.Models);
  ASSERT_TRUE(models);
  EXPECT_EQ(models->count(), 3);
  EXPECT_EQ(models->item(2)->text(), "Pen 870");
  EXPECT_EQ(window.WidgetOf(form.SpeedSpin)->findChildren<QToolButton*>().size(), 2);
  EXPECT_EQ(window.WidgetOf(form.Ticker), nullptr);  // timers have no widget

  for (const forms::Control* c : std::vector<const forms::Control*>{
           &form.Heading, &form.Speed, &form.Units, &form.Modes, &form.Send, &form.Models})
    EXPECT_EQ(window.WidgetOf(*c)->geometry(), Rect(*c)) << c->Name();

  // Options sit in their frame's group box, placed from its corner, without Qt's exclusivity.
  auto* modeA = WidgetOf<QRadioButton>(form.ModeA);
  ASSERT_TRUE(modeA);
  EXPECT_EQ(modeA->parentWidget(), window.WidgetOf(form.Modes));
  EXPECT_EQ(qobject_cast<QGroupBox*>(window.WidgetOf(form.Modes))->title(), "Mode");
  EXPECT_EQ(modeA->geometry(), Rect(form.ModeA));
  EXPECT_FALSE(modeA->autoExclusive());
}

TEST_F(Render, MenusMirrorCaptionsSeparatorsShortcutsAndStates) {
  QList<QAction*> top = window.menuBar()->actions();
  ASSERT_EQ(top.size(), 1);
  EXPECT_EQ(top[0]->text(), "&File");
  QList<QAction*> entries = top[0]->menu()->actions();
  ASSERT_EQ(entries.size(), 4);
  EXPECT_EQ(entries[0]->text(), "&Open...");
  EXPECT_EQ(entries[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
  EXPECT_TRUE(entries[1]->isSeparator());

  form.MetricCom.SetChecked(true);
  form.ExitCom.SetEnabled(false);
  form.OpenCom.SetVisible(false);
  host.DoEvents();
  EXPECT_TRUE(entries[2]->isChecked());
  EXPECT_FALSE(entries[3]->isEnabled());
  EXPECT_FALSE(entries[0]->isVisible());
}

TEST_F(Render, ModelChangesShowInTheWidgets) {
  form.Units.SetValue(1);
  form.ModeB.SetValue(true);
  form.Speed.SetText("250");
  form.Heading.SetCaption("Changed");
  form.Send.SetEnabled(false);
  form.Pens.SetVisible(false);
  form.Models.SetListIndex(1);
  form.Models.AddItem("Pen 36");
  form.Progress.SetValue(20);
  form.Speed.Move(20, 50, 60, 22);
  form.SetCaption("Renamed");
  host.DoEvents();

  EXPECT_TRUE(WidgetOf<QCheckBox>(form.Units)->isChecked());
  EXPECT_TRUE(WidgetOf<QRadioButton>(form.ModeB)->isChecked());
  EXPECT_EQ(WidgetOf<QLineEdit>(form.Speed)->text(), "250");
  EXPECT_EQ(WidgetOf<QLabel>(form.Heading)->text(), "Changed");
  EXPECT_FALSE(window.WidgetOf(form.Send)->isEnabled());
  EXPECT_TRUE(window.WidgetOf(form.Pens)->isHidden());
  EXPECT_FALSE(window.WidgetOf(form.PenUp)->isVisible());  // hidden with its frame
  EXPECT_EQ(WidgetOf<QListWidget>(form.Models)->currentRow(), 1);
  EXPECT_EQ(WidgetOf<QListWidget>(form.Models)->count(), 4);
  EXPECT_EQ(WidgetOf<QProgressBar>(form.Progress)->value(), 20);
  EXPECT_EQ(window.WidgetOf(form.Speed)->geometry(), QRect(20, 50, 60, 22));
  EXPECT_EQ(window.windowTitle(), "Renamed");
  form.Units.SetValue(2);
  host.DoEvents();
  EXPECT_EQ(WidgetOf<QCheckBox>(form.Units)->checkState(), Qt::PartiallyChecked);

  // Mirroring raised no second event: each programmatic change fired its model event once.
  EXPECT_EQ(form.count["Units.Click"], 2);
  EXPECT_EQ(form.count["ModeB.Click"], 1);
  EXPECT_EQ(form.count["Speed.Change"], 1);
  EXPECT_EQ(form.count["Models.Click"], 1);
}

// A window narrower than its title bar needs grows to it, and its controls stay centred.
TEST_F(Render, AWindowNarrowerThanItsTitleGrowsToItsTitleWithItsLayoutCentred) {
  PlainDialog plain(host);
  plain.SetCaption("Acerca de Kelvaro R/V - Quorvane Taskhelm");
  plain.Show();
  qtui::FormWindow& dialog = *host.WindowOf(plain);
  EXPECT_GE(dialog.width(), WholeTitleWidth(dialog));
  QRect prompt = dialog.WidgetOf(plain.Prompt)->geometry();
  EXPECT_EQ(prompt.width(), 240 - 16);
  EXPECT_NEAR(prompt.left(), dialog.centralWidget()->width() - 1 - prompt.right(), 1);
}

TEST_F(Render, ControlsWithoutPositionsStackIntoAUsableWindow) {
  PlainDialog plain(host);
  plain.Show();
  qtui::FormWindow& dialog = *host.WindowOf(plain);
  QRect prompt = dialog.WidgetOf(plain.Prompt)->geometry();
  QRect answer = dialog.WidgetOf(plain.Answer)->geometry();
  QRect ok = dialog.WidgetOf(plain.OK)->geometry();
  EXPECT_GT(prompt.height(), 0);
  EXPECT_GT(answer.top(), prompt.bottom());
  EXPECT_GT(ok.top(), answer.bottom());
  EXPECT_EQ(prompt.width(), 240 - 16);
  // The window grows to show the column although the form asked for 60 pixels.
  EXPECT_GT(dialog.centralWidget()->height(), ok.bottom());
  EXPECT_TRUE(dialog.menuBar()->actions().isEmpty());
}

TEST_F(Render, AScreenshotIsAPngOfTheWindowAndTheLogoIsDrawn) {
  form.Logo.Move(250, 8, 100, 70);
  form.Logo.SetPicture("logo");
  QTemporaryDir folder;
  std::string path = folder.filePath("sample.png").toStdString();
  ASSERT_TRUE(host.SaveScreenshot(form, path));
  QImage shot(QString::fromStdString(path));
  ASSERT_FALSE(shot.isNull());
  EXPECT_EQ(shot.size(), window.size());

  // The picture's area holds more than the window's background colour.
  QImage logo = window.WidgetOf(form.Logo)->grab().toImage();
  QRgb background = logo.pixel(0, 0);
  int drawn = 0;
  for (int y = 0; y < logo.height(); ++y)
    for (int x = 0; x < logo.width(); ++x) drawn += logo.pixel(x, y) != background;
  EXPECT_GT(drawn, logo.width() * logo.height() / 10);
}

}  // namespace
}  // namespace qtui_tests
