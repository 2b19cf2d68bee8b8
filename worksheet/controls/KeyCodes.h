#pragma once

class QKeyEvent;

// The old platform's view of a key event.
//
// windowsKeyCode: the virtual-key code of the physical key (digits 48-57, letters 65-90,
// Enter 13, Backspace 8, Tab 9, Escape 27, PageUp 33, PageDown 34, End 35, Home 36,
// arrows 37-40, Print 44, Insert 45, Delete 46, keypad digits 96-105, F1-F24 112-135,
// punctuation by the US layout); 0 for a key it does not know. Shifted symbols report their
// unshifted key ("!" is the 1 key, 49).
int windowsKeyCode(const QKeyEvent& event);

// characterCode: the character the key types, or -1 when it types none: Enter 13,
// Backspace 8 (127 with Ctrl), Escape 27, Tab 9, Ctrl+letter 1..26, otherwise the Unicode
// code of the printable text. Alt without Ctrl types nothing (it drives the menus); Ctrl+Alt
// is AltGr and types its text. Arrows, Home, End, Delete and the like type nothing.
int characterCode(const QKeyEvent& event);
