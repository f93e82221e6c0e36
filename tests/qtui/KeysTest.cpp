// Qt key events become the model's KeyDown codes and KeyPress characters; a handler's zero
// swallows the key and a changed character is typed instead.
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>

#include "qtui/FormWindow.h"
#include "qtui/KeyCodes.h"
#include "tests/qtui/QtTestApp.h"
#include "tests/qtui/SampleWindow.h"

namespace qtui_tests {
namespace {

struct KeyCase {
  int qtKey;
  Qt::KeyboardModifiers modifiers;
  int keyCode;
  int shift;
};

TEST(KeyCodes, QtKeysMapToTheVirtualKeyNumbersAndShiftMask) {
  const KeyCase cases[] = {
      {Qt::Key_A, Qt::NoModifier, 65, 0},
      {Qt::Key_Z, Qt::ShiftModifier, 90, 1},
      {Qt::Key_H, Qt::ControlModifier | Qt::AltModifier, 72, 6},
      {Qt::Key_0, Qt::NoModifier, 48, 0},
      {Qt::Key_9, Qt::NoModifier, 57, 0},
      {Qt::Key_5, Qt::KeypadModifier, 101, 0},
      {Qt::Key_Return, Qt::NoModifier, 13, 0},
      {Qt::Key_Enter, Qt::KeypadModifier, 13, 0},
      {Qt::Key_Escape, Qt::NoModifier, 27, 0},
      {Qt::Key_Backspace, Qt::NoModifier, 8, 0},
      {Qt::Key_Tab, Qt::NoModifier, 9, 0},
      {Qt::Key_Space, Qt::NoModifier, 32, 0},
      {Qt::Key_F1, Qt::NoModifier, 112, 0},
      {Qt::Key_F12, Qt::AltModifier, 123, 4},
      {Qt::Key_Left, Qt::NoModifier, 37, 0},
      {Qt::Key_Up, Qt::NoModifier, 38, 0},
      {Qt::Key_Right, Qt::NoModifier, 39, 0},
      {Qt::Key_Down, Qt::NoModifier, 40, 0},
      {Qt::Key_Delete, Qt::NoModifier, 46, 0},
      {Qt::Key_Shift, Qt::ShiftModifier, 16, 1},
      {Qt::Key_Control, Qt::ControlModifier, 17, 2},
      {Qt::Key_Alt, Qt::AltModifier, 18, 4},
      {Qt::Key_Exclam, Qt::ShiftModifier, 49, 1},  // Shift+1 is still the key 1
      {Qt::Key_Period, Qt::NoModifier, 190, 0},
      {Qt::Key_Minus, Qt::KeypadModifier, 109, 0},
      {Qt::Key_Eacute, Qt::NoModifier, 0, 0},  // no key number of its own
  };
  for (const KeyCase& c : cases) {
    QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers);
    EXPECT_EQ(qtui::VirtualKey(event), c.keyCode) << std::hex << c.qtKey;
    EXPECT_EQ(qtui::ShiftState(c.modifiers), c.shift) << std::hex << c.qtKey;
  }
}

TEST(KeyCodes, KeyPressCharactersArePrintablesEnterBackspaceAndEscape) {
  struct Case {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString text;
    int character;
  } cases[] = {
      {Qt::Key_A, Qt::NoModifier, "a", 'a'},
      {Qt::Key_A, Qt::ShiftModifier, "A", 'A'},
      {Qt::Key_Comma, Qt::NoModifier, ",", ','},
      {Qt::Key_Return, Qt::NoModifier, "\r", 13},
      {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
      {Qt::Key_Escape, Qt::NoModifier, "\x1b", 27},
      // A chord gives no character, Enter, Backspace and Escape included.
      {Qt::Key_Return, Qt::AltModifier, "\r", -1},
      {Qt::Key_Enter, Qt::ControlModifier | Qt::KeypadModifier, "\r", -1},
      {Qt::Key_Backspace, Qt::AltModifier, "\b", -1},
      {Qt::Key_Escape, Qt::ShiftModifier | Qt::AltModifier, "\x1b", -1},
      {Qt::Key_Ntilde, Qt::NoModifier, QString(QChar(0xf1)), 0xf1},
      {Qt::Key_Left, Qt::NoModifier, "", -1},
      {Qt::Key_F1, Qt::NoModifier, "", -1},
      {Qt::Key_Delete, Qt::NoModifier, "\x7f", -1},
      {Qt::Key_C, Qt::ControlModifier, "\x03", -1},
      {Qt::Key_M, Qt::ControlModifier | Qt::AltModifier, "m", -1},
      {Qt::Key_U, Qt::AltModifier, "u", -1},
      {Qt::Key_5, Qt::AltModifier, "5", -1},
      {Qt::Key_K, Qt::ShiftModifier | Qt::AltModifier, "K", -1},
      {Qt::Key_K, Qt::ShiftModifier | Qt::ControlModifier, "K", -1},
      // Ctrl+Alt with a punctuation key gives the key's own character: no AltGr level.
      {Qt::Key_Minus, Qt::ControlModifier | Qt::AltModifier, "-", -1},
      {Qt::Key_Period, Qt::ControlModifier | Qt::AltModifier, ".", -1},
      {Qt::Key_Less, Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier, "<", -1},
      {Qt::Key_Ntilde, Qt::ControlModifier | Qt::AltModifier, QString(QChar(0xf1)), -1},
      // AltGr characters, whether the platform reports AltGr or Ctrl+Alt.
      {Qt::Key_At, Qt::NoModifier, "@", '@'},
      {Qt::Key_2, Qt::ControlModifier | Qt::AltModifier, "@", '@'},
      {Qt::Key_E, Qt::ControlModifier | Qt::AltModifier, QString(QChar(0x20ac)), 0x20ac},
  };
  for (const Case& c : cases) {
    QKeyEvent event(QEvent::KeyPress, c.qtKey, c.modifiers, c.text);
    EXPECT_EQ(qtui::KeyChar(event), c.character) << std::hex << c.qtKey;
  }
}

class Keys : public QtHostTest {
 protected:
  SampleWindow form{host};
  bool shown = (form.Show(), true);
  qtui::FormWindow& window = *host.WindowOf(form);
  QLineEdit* speed = qobject_cast<QLineEdit*>(window.WidgetOf(form.Speed));
  std::vector<std::string> keys;
};

TEST_F(Keys, KeyDownWithPreviewThenKeyPressReachTheFocusedControl) {
  form.SetKeyPreview(true);
  form.KeyDown = [&](int& key, int shift) {
    keys.push_back("Form.KeyDown " + std::to_string(key) + "/" + std::to_string(shift));
  };
  form.Speed.KeyDown = [&](int& key, int shift) {
    keys.push_back("Speed.KeyDown " + std::to_string(key) + "/" + std::to_string(shift));
  };
  form.Speed.KeyPress = [&](int& key) { keys.push_back("Speed.KeyPress " + std::to_string(key)); };
  form.Speed.KeyUp = [&](int& key, int) { keys.push_back("Speed.KeyUp " + std::to_string(key)); };
  speed->setFocus();
  // The chord alone, without the presses of Ctrl and Alt that lead to it.
  for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
    QKeyEvent chord(type, Qt::Key_H, Qt::ControlModifier | Qt::AltModifier, "h");
    QApplication::sendEvent(speed, &chord);
  }
  QTest::keyClick(speed, Qt::Key_Return);
  EXPECT_EQ(keys, (std::vector<std::string>{
                      "Form.KeyDown 72/6", "Speed.KeyDown 72/6", "Speed.KeyUp 72",
                      "Form.KeyDown 13/0", "Speed.KeyDown 13/0", "Speed.KeyPress 13",
                      "Speed.KeyUp 13"}));
}

TEST_F(Keys, AZeroedKeyIsNotTypedAndAChangedCharacterIsTypedInstead) {
  form.Speed.KeyPress = [](int& key) {
    if (key == 'x') key = 0;                         // refused
    if (key >= 'a' && key <= 'z') key -= 'a' - 'A';  // upper case
  };
  form.SetKeyPreview(true);
  form.KeyDown = [](int& key, int) {
    if (key == 'Q') key = 0;  // the form keeps Q for itself
  };
  speed->setFocus();
  QTest::keyClicks(speed, "axb9q");
  EXPECT_EQ(speed->text(), "AB9");
  EXPECT_EQ(form.Speed.Text(), "AB9");
  EXPECT_EQ(form.count["Speed.Change"], 3);
}

// A chord reaches KeyDown and types nothing; a character of the layout's AltGr level types.
TEST_F(Keys, AChordTypesNothingButAnAltGrCharacterTypes) {
  form.Speed.KeyDown = [&](int& key, int shift) {
    keys.push_back("Speed.KeyDown " + std::to_string(key) + "/" + std::to_string(shift));
  };
  speed->setFocus();
  struct Chord {
    int qtKey;
    Qt::KeyboardModifiers modifiers;
    QString text;
  } chords[] = {{Qt::Key_U, Qt::AltModifier, "u"},
                {Qt::Key_5, Qt::AltModifier, "5"},
                {Qt::Key_K, Qt::ControlModifier | Qt::AltModifier, "k"},
                {Qt::Key_M, Qt::ShiftModifier | Qt::AltModifier, "M"},
                {Qt::Key_2, Qt::ControlModifier | Qt::AltModifier, "@"},
                {0x20ac, Qt::NoModifier, QString(QChar(0x20ac))}};
  for (const Chord& c : chords) {
    QKeyEvent press(QEvent::KeyPress, c.qtKey, c.modifiers, c.text);
    QApplication::sendEvent(speed, &press);
  }
  EXPECT_EQ(speed->text(), QString("@") + QChar(0x20ac));
  EXPECT_EQ(form.Speed.Text(), "@\xe2\x82\xac");
  EXPECT_EQ(keys, (std::vector<std::string>{"Speed.KeyDown 85/4", "Speed.KeyDown 53/4",
                                            "Speed.KeyDown 75/6", "Speed.KeyDown 77/5",
                                            "Speed.KeyDown 50/6"}));
}

TEST_F(Keys, EnterPressesTheDefaultButtonAndEscapeTheCancelButton) {
  forms::CommandButton cancel(&form, "Cancel");
  int cancels = 0;
  cancel.Click = [&] { ++cancels; };
  cancel.SetCancel(true);
  form.Send.SetDefault(true);
  host.DoEvents();
  speed->setFocus();
  QTest::keyClick(speed, Qt::Key_Return);
  QTest::keyClick(speed, Qt::Key_Escape);
  EXPECT_EQ(form.count["Send.Click"], 1);
  EXPECT_EQ(cancels, 1);

  // With Ctrl or Alt held they press nothing, also on the default button itself.
  QWidget* send = window.WidgetOf(form.Send);
  for (QWidget* target : {static_cast<QWidget*>(speed), send}) {
    target->setFocus();
    QTest::keyClick(target, Qt::Key_Return, Qt::AltModifier);
    QTest::keyClick(target, Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(target, Qt::Key_Escape, Qt::AltModifier);
  }
  EXPECT_EQ(form.count["Send.Click"], 1);
  EXPECT_EQ(cancels, 1);
}

}  // namespace
}  // namespace qtui_tests
