#pragma once

// Reads a dialog field as a signed decimal integer. Only the first 31 characters count:
// blanks and tabs, an optional sign, at least one digit, blanks and tabs, nothing else.
// A value of zero is taken only when the first non-blank character is "0" (so "-0" is
// refused), and a number beyond the int range is refused rather than wrapped.
bool ParseDialogInteger(const char* text, int& value);
