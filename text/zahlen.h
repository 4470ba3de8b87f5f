#pragma once
// Number texts: parsing with the decimal separator, fixed output with two decimals.

#include "text/text.h"

namespace tolvek {

// The process-wide decimal symbol: the decimal point of the user's LC_NUMERIC locale, read at
// start ("," where that locale is C or POSIX, that is where no regional choice was made).
char decimalseparator();
void setdecimalseparator(char c);
// Reads the separator afresh from the environment's locale (what the program does at start).
void readdecimalseparator();

// Spaces, optional sign, digits, optional separator and digits, optional exponent, spaces;
// anything else raises EConvertError. A NUL byte ends the text.
double parsenumber(const Text& s);

// Fixed notation with two decimals and the decimal separator, halves away from zero, at most
// 10 significant digits, never "-0,00".
Text formatamount(double x);

}  // namespace tolvek
