#pragma once

// Keystroke filters of the text boxes whose contents travel to the device.
// Each returns the key code to use: the same code, or 0 to swallow the key.
// Codes below 32 (backspace, enter, other control keys) always pass.

// Letters A-Z and a-z, digits and " !§$%&/()=?{[]}\+*#,.-;:_<>|@~" (space first).
// Compared by exact character code: umlauts, accents, the sharp s, the
// apostrophe, the double quote, the caret and the grave accent are refused.
int FilterNameKey(int keyCode);

// Digits 0-9 only.
int FilterDigitKey(int keyCode);
