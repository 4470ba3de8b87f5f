#include "pdfpruefung.h"

#include <gtest/gtest.h>

#include <cmath>

#include "text/clear.h"

namespace tolvek::test {

std::string utf8(const Text& cp1252) {
    std::string aus;
    for (char16_t c : cp1252toutf16(cp1252)) {
        if (c < 0x80) {
            aus += static_cast<char>(c);
        } else if (c < 0x800) {
            aus += static_cast<char>(0xC0 | (c >> 6));
            aus += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            aus += static_cast<char>(0xE0 | (c >> 12));
            aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            aus += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return aus;
}

double grundlinie(const Wort& w, double groesse) {
    static const Schriftmass arial = schriftmass("Arial");
    return w.unten - arial.unterlaenge * groesse;
}

int pruefepositionen(const Aufzeichnung& erwartet, const Pdf& pdf, double toleranz,
                     const std::function<bool(const Platzierung&)>& auswahl) {
    int geprueft = 0;
    for (const Platzierung& p : erwartet.platzierungen()) {
        if (auswahl && !auswahl(p)) {
            continue;
        }
        const std::string text = utf8(p.text);
        const std::string wort = text.substr(0, text.find(' '));
        if (wort.empty()) {
            continue;
        }
        ++geprueft;
        // 3 points per mm across; 800 - 2.7 per mm down, rounded halves to even (27 * y / 10
        // is exact in double, so nearbyint sees the true halves).
        const double x = 3.0 * p.x;
        const double y = 800.0 - std::nearbyint(27.0 * p.y / 10.0);
        if (p.seite < 1 || p.seite > static_cast<int>(pdf.seiten.size())) {
            ADD_FAILURE() << "page " << p.seite << " missing for " << text;
            continue;
        }
        const Seite& seite = pdf.seiten[static_cast<std::size_t>(p.seite - 1)];
        bool gefunden = false;
        for (const Wort& w : seite.woerter) {
            if (w.text == wort && std::abs(w.links - x) <= toleranz &&
                std::abs((seite.hoehe - grundlinie(w, p.groesse)) - y) <= toleranz) {
                gefunden = true;
                break;
            }
        }
        EXPECT_TRUE(gefunden) << "page " << p.seite << ": '" << text << "' expected at x " << x
                              << " baseline " << y << " (mm " << p.x << ", " << p.y << ")";
    }
    return geprueft;
}

int zaehle(const Pdf& pdf, int seite, const std::string& text) {
    int n = 0;
    for (const Wort& w : pdf.seiten.at(static_cast<std::size_t>(seite - 1)).woerter) {
        if (w.text == text) {
            ++n;
        }
    }
    return n;
}

}  // namespace tolvek::test
