#pragma once
// Qt key events in the model's terms: KeyDown's virtual-key number and shift mask, KeyPress's
// character code, and back to a Qt key for a character a handler substituted.
#include <Qt>

class QKeyEvent;

namespace qtui {

// The virtual-key number of the key (letters 65..90, digits 48..57, Return 13, F1 112 ...), on a
// US layout for the punctuation keys; 0 for a key without one.
int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
int VirtualKey(const QKeyEvent& event);
// 1 Shift, 2 Ctrl, 4 Alt.
int ShiftState(Qt::KeyboardModifiers modifiers);
// The character code of KeyPress: printable characters, Enter 13, Backspace 8, Escape 27;
// -1 for keys that give none (arrows, function keys, Ctrl or Alt chords). A character the layout
// gives with AltGr types, also where the platform reports AltGr as Ctrl+Alt; the key's own
// character under Ctrl+Alt (a letter, digit or punctuation mark) is a chord.
int KeyChar(const QKeyEvent& event);
// A Ctrl or Alt chord that carries a printable character, Enter or Escape, which must not reach
// a text box or press a button.
bool ChordChar(const QKeyEvent& event);
// The Qt key that types a character code (for re-sending a substituted character).
int QtKeyForChar(int code);

}  // namespace qtui
