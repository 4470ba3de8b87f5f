#pragma once
// Reading a written PDF back with poppler, for checks on its content: pages, words and where
// they stand, fonts, document information, and whatever poppler complained about.

#include <string>
#include <vector>

namespace tolvek::test {

struct Wort {
    std::string text;  // UTF-8
    double links;      // left edge, points from the left page edge
    double oben;       // top and bottom of poppler's box, points from the top page edge
    double unten;
};

struct Seite {
    double breite;
    double hoehe;
    std::vector<Wort> woerter;
};

struct Schriftangabe {
    std::string name;
    bool eingebettet;
};

struct Pdf {
    bool geladen = false;
    std::vector<Seite> seiten;
    std::vector<Schriftangabe> schriften;
    std::string producer;
    std::string creator;
    bool erstellungsdatum = false;
    std::vector<std::string> meldungen;  // poppler's errors and warnings while reading
};

Pdf lies(const std::string& datei);

// Ascent and descent (positive, in em) and PostScript name of the face fontconfig gives for a
// family name: poppler's word box reaches ascent * size above the baseline and descent * size
// below it, so the baseline follows from the box.
struct Schriftmass {
    std::string postscriptname;
    double oberlaenge;
    double unterlaenge;
};
Schriftmass schriftmass(const std::string& familie);

}  // namespace tolvek::test
