#include "qtui/KeyCodes.h"

#include <QKeyEvent>
#include <utility>

#include "forms/Control.h"

namespace qtui {
namespace {

// Keys whose number does not follow from the Qt key by a range. Shifted punctuation reads as its
// unshifted key, as the keyboard has one key for both.
constexpr std::pair<int, int> kFixedKeys[] = {
    {Qt::Key_Backspace, forms::Key::Back},  {Qt::Key_Tab, forms::Key::Tab},
    {Qt::Key_Backtab, forms::Key::Tab},     {Qt::Key_Return, forms::Key::Return},
    {Qt::Key_Enter, forms::Key::Return},    {Qt::Key_Shift, forms::Key::Shift},
    {Qt::Key_Control, forms::Key::Control}, {Qt::Key_Alt, forms::Key::Menu},
    {Qt::Key_Pause, 19},                    {Qt::Key_CapsLock, 20},
    {Qt::Key_Escape, forms::Key::Escape},   {Qt::Key_Space, forms::Key::Space},
    {Qt::Key_PageUp, forms::Key::PageUp},   {Qt::Key_PageDown, forms::Key::PageDown},
    {Qt::Key_End, forms::Key::End},         {Qt::Key_Home, forms::Key::Home},
    {Qt::Key_Left, forms::Key::Left},       {Qt::Key_Up, forms::Key::Up},
    {Qt::Key_Right, forms::Key::Right},     {Qt::Key_Down, forms::Key::Down},
    {Qt::Key_Print, 44},                    {Qt::Key_Insert, 45},
    {Qt::Key_Delete, forms::Key::Delete},   {Qt::Key_Meta, 91},
    {Qt::Key_Menu, 93},                     {Qt::Key_NumLock, 144},
    {Qt::Key_ScrollLock, 145},
    {Qt::Key_Semicolon, 186},  {Qt::Key_Colon, 186},     {Qt::Key_Equal, 187},
    {Qt::Key_Plus, 187},       {Qt::Key_Comma, 188},     {Qt::Key_Less, 188},
    {Qt::Key_Minus, 189},      {Qt::Key_Underscore, 189}, {Qt::Key_Period, 190},
    {Qt::Key_Greater, 190},    {Qt::Key_Slash, 191},     {Qt::Key_Question, 191},
    {Qt::Key_QuoteLeft, 192},  {Qt::Key_AsciiTilde, 192}, {Qt::Key_BracketLeft, 219},
    {Qt::Key_BraceLeft, 219},  {Qt::Key_Backslash, 220}, {Qt::Key_Bar, 220},
    {Qt::Key_BracketRight, 221}, {Qt::Key_BraceRight, 221}, {Qt::Key_Apostrophe, 222},
    {Qt::Key_QuoteDbl, 222},
    {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},        {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},     {Qt::Key_Percent, '5'},   {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},  {Qt::Key_Asterisk, '8'},  {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
};

// The numeric keypad has keys of its own.
constexpr std::pair<int, int> kKeypadKeys[] = {
    {Qt::Key_Asterisk, 106}, {Qt::Key_Plus, 107}, {Qt::Key_Minus, 109},
    {Qt::Key_Period, 110},   {Qt::Key_Comma, 110}, {Qt::Key_Slash, 111},
};

// The printable character a key event carries, or -1.
int TextChar(const QKeyEvent& event) {
  QString text = event.text();
  if (text.isEmpty()) return -1;
  char32_t code = text.at(0).isHighSurrogate() && text.size() > 1
                      ? QChar::surrogateToUcs4(text.at(0), text.at(1))
                      : text.at(0).unicode();
  if (code < 32 || code == 127) return -1;
  return static_cast<int>(code);
}

bool Chord(const QKeyEvent& event) {
  return (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) != 0;
}

// AltGr reported as Ctrl and Alt together gives a character of the layout's third level, never
// the key's own character (its letter, digit or punctuation), which is what Ctrl+Alt with that
// key gives.
bool AltGrChar(const QKeyEvent& event, int code) {
  Qt::KeyboardModifiers both = Qt::ControlModifier | Qt::AltModifier;
  if ((event.modifiers() & both) != both) return false;
  // Qt names a printable key by its character, letters in upper case.
  char32_t upper = QChar::toUpper(static_cast<char32_t>(code));
  return static_cast<int>(upper) != event.key() && code != event.key();
}

}  // namespace

int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
  bool keypad = modifiers.testFlag(Qt::KeypadModifier);
  if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9) return keypad ? 96 + (qtKey - Qt::Key_0) : qtKey;
  if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) return qtKey;
  if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24) return forms::Key::F1 + (qtKey - Qt::Key_F1);
  if (keypad)
    for (auto [qt, vk] : kKeypadKeys)
      if (qt == qtKey) return vk;
  for (auto [qt, vk] : kFixedKeys)
    if (qt == qtKey) return vk;
  return 0;
}

int VirtualKey(const QKeyEvent& event) { return VirtualKey(event.key(), event.modifiers()); }

int ShiftState(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers.testFlag(Qt::ShiftModifier)) shift |= forms::ShiftKey;
  if (modifiers.testFlag(Qt::ControlModifier)) shift |= forms::CtrlKey;
  if (modifiers.testFlag(Qt::AltModifier)) shift |= forms::AltKey;
  return shift;
}

int KeyChar(const QKeyEvent& event) {
  // With Ctrl or Alt held these keys are chords too: Alt+Enter is no Enter.
  int control = -1;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: control = forms::Key::Return; break;
    case Qt::Key_Backspace: control = forms::Key::Back; break;
    case Qt::Key_Escape: control = forms::Key::Escape; break;
    default: break;
  }
  if (control >= 0) return Chord(event) ? -1 : control;
  int code = TextChar(event);
  if (code < 0 || (Chord(event) && !AltGrChar(event, code))) return -1;
  return code;
}

bool ChordChar(const QKeyEvent& event) {
  if (!Chord(event)) return false;
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return true;  // a default button of Qt's own would take it
    default: break;
  }
  int code = TextChar(event);
  return code >= 0 && !AltGrChar(event, code);
}

int QtKeyForChar(int code) {
  switch (code) {
    case forms::Key::Return: return Qt::Key_Return;
    case forms::Key::Back: return Qt::Key_Backspace;
    case forms::Key::Escape: return Qt::Key_Escape;
    case forms::Key::Tab: return Qt::Key_Tab;
    default: break;
  }
  if (code >= 'a' && code <= 'z') return Qt::Key_A + (code - 'a');
  // Qt keys of the other printable ASCII and Latin-1 characters are their codes; beyond them the
  // text carries the character.
  if (code >= 32 && code < 256) return code;
  return Qt::Key_unknown;
}

}  // namespace qtui
