#pragma once
// Output normalisation: UTF-8 sequences and XML character references become the
// Windows-1252 bytes both output sinks take.

#include <string>

#include "text/text.h"

namespace tolvek {

// One pass left to right; what it writes is never looked at again. A NUL byte ends the
// conversion, the bytes behind it pass unchanged.
Text clear(const Text& s);

// Windows-1252 bytes to UTF-16 (the five unassigned bytes map to the C1 controls).
std::u16string cp1252toutf16(const Text& s);

}  // namespace tolvek
