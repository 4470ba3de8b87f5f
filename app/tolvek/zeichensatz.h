#pragma once
// What the operator types becomes Windows-1252 bytes, the encoding of every Text.

#include <QString>

#include "text/text.h"

namespace tolvek {

// Each character Windows-1252 has becomes its byte; any other character (one surrogate pair
// counts as one) becomes "?".
Text utf16tocp1252(const QString& s);

// Windows-1252 bytes as a QString.
QString cp1252toqstring(const Text& s);

}  // namespace tolvek
