#pragma once
// The state one render run shares between its sections, and the reading and placing helpers
// the sections are written in.

#include <cstdint>

#include "layout/renderlauf.h"
#include "output/ausgabe.h"
#include "text/blocksuche.h"
#include "text/text.h"

namespace tolvek {

// The rules are texts like any other: 110 and 42 underscores.
inline const Text trennlinie(110, '_');
inline const Text kurzlinie(42, '_');

struct Renderzustand {
    Renderzustand(Hauptfelder& f, Ausgabe& a, bool mitlangtext)
        : felder(f), ausgabe(a), langtext(mitlangtext) {}

    Hauptfelder& felder;  // dateiname, blocknr, wertnr
    Ausgabe& ausgabe;
    bool langtext;     // "mit Langtext  drucken": item descriptions join the name column
    Blocksuche suche;  // reads the e-invoice once for the whole run

    int32_t zeilenabstand = 5;  // mm; every row advance is this or a multiple of it
    Text schriftart = "Arial";
    int32_t schriftgroesse = 8;
    int32_t seite = 1;
    int32_t ypos = 0;

    Text rechnungsnr;
    Text absname, absstrasse, absort, abstelefon, absemail, absiban, absustid, abssteuernr;

    double netto19 = 0.0, netto7 = 0.0, netto0 = 0.0, mwst19 = 0.0, mwst7 = 0.0;
    double satz19 = 19.0, satz7 = 7.0;
    Text satztext19 = "19,00", satztext7 = "7,00";

    // The blocknr-th block of the e-invoice between <name> and </name>.
    Text block(const Text& name) {
        return suche.getdata(felder.dateiname, felder.blocknr, name, name);
    }
    // The wertnr-th element of a fragment; open may carry an attribute text.
    Text wert(const Text& fragment, const Text& open, const Text& close) const;
    Text wert(const Text& fragment, const Text& name) const { return wert(fragment, name, name); }

    // One text at (x, y) in the run's font.
    void drucke(int32_t x, int32_t y, const Text& text, int32_t groesse) {
        ausgabe.drucke(x, y, text, schriftart, groesse);
    }
    void drucke(int32_t x, int32_t y, const Text& text) { drucke(x, y, text, schriftgroesse); }
};

// Every "." of an amount becomes ",".
Text dezimalkomma(const Text& betrag);

// The sections, in the order the run calls them.
void kopf(Renderzustand& z);           // header, letterhead, customer, title, table header
void positionen(Renderzustand& z);     // line items with wrapping, page switches and sums
void summen(Renderzustand& z);         // totals, breakdown, payable amount, note, last footer
void fusszeile(Renderzustand& z);      // the supplier footer of the current page
void seitenwechsel(Renderzustand& z);  // footer, new page, continuation header; ypos := 15

}  // namespace tolvek
