#pragma once
// The text model every part of the program shares: a byte string with an explicit length,
// read as Windows-1252 characters. Any byte may occur, NUL included. Positions are 1-based,
// 0 means "not found"; lengths, positions and counts are byte counts.

#include <cstdint>
#include <string>

namespace tolvek {

using Text = std::string;

// count bytes from start, clamped: a start below 1 counts as 1 (the count is not reduced),
// a start beyond the end or a negative count gives the empty text.
Text copytext(const Text& s, int32_t start, int32_t count);

// Position of the leftmost occurrence of needle in s; 0 when absent or either text is empty.
int32_t findtext(const Text& needle, const Text& s);

// Removes count bytes from start in place; a start below 1 or beyond the end, or a count
// of 0 or less, leaves s unchanged.
void deletetext(Text& s, int32_t start, int32_t count);

// Replaces every occurrence of old left to right, never overlapping and never searching the
// bytes that neu brings in. The search ends at the first NUL byte of the rest.
Text replaceall(const Text& s, const Text& old, const Text& neu);

// Decimal text of n: "-" for negatives, no grouping.
Text formatinteger(int32_t n);

}  // namespace tolvek
