#pragma once
// Checks a rendered PDF against the placements a recording of the same render holds: every
// text on its page, its left end at 3 * x and its baseline at 800 - R(2.7 * y) points.

#include <functional>
#include <string>

#include "output/aufzeichnung.h"
#include "tests/dynapdf/pdflesen.h"
#include "text/text.h"

namespace tolvek::test {

// Windows-1252 bytes as UTF-8, the way poppler reports the text.
std::string utf8(const Text& cp1252);

// The baseline of a word, in points from the top edge, from poppler's box and the font's
// descent.
double grundlinie(const Wort& w, double groesse);

// Every placement with a visible text (or each one auswahl picks) must stand in pdf where the
// placement primitive puts it, within toleranz points; returns how many were checked. A word
// is matched by the text's first blank-separated word.
int pruefepositionen(const Aufzeichnung& erwartet, const Pdf& pdf, double toleranz = 0.5,
                     const std::function<bool(const Platzierung&)>& auswahl = {});

// The words of page seite (1-based) that equal text.
int zaehle(const Pdf& pdf, int seite, const std::string& text);

}  // namespace tolvek::test
