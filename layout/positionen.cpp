// The line items: one row per invoice line, long names and texts wrapped into 45-byte rows,
// page switches below 260 mm, and the line amounts summed per VAT rate.
#include <cstdint>

#include "layout/renderzustand.h"
#include "layout/steuersatz.h"
#include "text/zahlen.h"

namespace tolvek {

namespace {

constexpr int32_t kStueck = 45;  // bytes per row of the name column
constexpr int32_t kUntergrenze = 260;

// The quantity as printed. With unit C62 the lookup gives the value itself; with any other
// unit it gives the stretch of the line up to the value, and the value is what follows the
// unit code's closing quote and the ">" behind it.
Text menge(const Renderzustand& z, const Text& posten) {
    Text q = dezimalkomma(
        z.wert(posten, "cbc:InvoicedQuantity unitCode=\"C62\"", "cbc:InvoicedQuantity"));
    const int32_t p = findtext("unitCode=\"", q);
    if (p > 0) {
        q = copytext(q, p + 10, static_cast<int32_t>(q.size()));
        const int32_t anfuehrung = findtext("\"", q);
        q = copytext(q, anfuehrung + 2, static_cast<int32_t>(q.size()));
    }
    return q;
}

// Adds the line amount to the sums of the rate the item's VAT text stands for. The amount is
// converted each time a sum needs it, so an amount that does not parse fails only for an
// item of one of the three rates.
void summiere(Renderzustand& z, const Text& posmwst, const Text& betrag) {
    const bool satz19 = satzpasst(posmwst, "19");
    const bool satz7 = satzpasst(posmwst, "7");
    const bool satz0 = satzpasst(posmwst, "0");
    if (satz19) {
        z.netto19 += parsenumber(betrag);
    }
    if (satz7) {
        z.netto7 += parsenumber(betrag);
    }
    if (satz0) {
        z.netto0 += parsenumber(betrag);
    }
    if (satz19) {
        z.mwst19 += parsenumber(betrag) * z.satz19 / 100.0;
    }
    if (satz7) {
        z.mwst7 += parsenumber(betrag) * z.satz7 / 100.0;
    }
}

// Places the item row and returns what is left of the name column (name beyond 45 bytes, then
// the description when long texts are printed).
Text postenzeile(Renderzustand& z, const Text& posten, Text& posmwst, Text& betrag) {
    z.drucke(20, z.ypos, z.wert(posten, "cbc:ID"));

    Text langtext = z.wert(posten, "cbc:Name");
    z.drucke(50, z.ypos, copytext(langtext, 1, kStueck));
    deletetext(langtext, 1, kStueck);
    if (z.langtext) {
        langtext += z.wert(posten, "cbc:Description");
    }

    z.drucke(30, z.ypos, z.wert(z.wert(posten, "cac:SellersItemIdentification"), "cbc:ID"));
    z.drucke(110, z.ypos, menge(z, posten));

    posmwst = dezimalkomma(z.wert(posten, "cbc:Percent"));
    z.drucke(125, z.ypos, posmwst);

    // The gross base amount of the price wins over the net price; an empty one is placed too.
    Text preis =
        dezimalkomma(z.wert(posten, "cbc:BaseAmount currencyID=\"EUR\"", "cbc:BaseAmount"));
    z.drucke(145, z.ypos, preis);
    if (preis.empty()) {
        preis =
            dezimalkomma(z.wert(posten, "cbc:PriceAmount currencyID=\"EUR\"", "cbc:PriceAmount"));
        z.drucke(145, z.ypos, preis);
    }

    betrag = dezimalkomma(
        z.wert(posten, "cbc:LineExtensionAmount currencyID=\"EUR\"", "cbc:LineExtensionAmount"));
    z.drucke(165, z.ypos, betrag);
    return langtext;
}

}  // namespace

void positionen(Renderzustand& z) {
    z.felder.blocknr = 1;
    z.netto19 = z.netto7 = z.netto0 = z.mwst19 = z.mwst7 = 0.0;
    z.satz19 = 19.0;
    z.satz7 = 7.0;
    z.satztext19 = "19,00";
    z.satztext7 = "7,00";

    // The loop runs until the block search finds no further line; that last pass still places
    // its empty texts and advances ypos by two rows, but makes no page-break test.
    for (;;) {
        const Text posten = z.block("cac:InvoiceLine");
        z.ypos += z.zeilenabstand;

        Text posmwst;
        Text betrag;
        Text langtext = postenzeile(z, posten, posmwst, betrag);

        while (!langtext.empty()) {
            const Text stueck = copytext(langtext, 1, kStueck);
            deletetext(langtext, 1, kStueck);
            z.ypos += z.zeilenabstand;
            z.drucke(50, z.ypos, stueck);
            if (z.ypos > kUntergrenze) {
                seitenwechsel(z);
            }
        }
        z.ypos += z.zeilenabstand;

        summiere(z, posmwst, betrag);
        z.felder.blocknr += 1;
        if (posten.empty()) {
            break;
        }
        if (z.ypos > kUntergrenze) {
            seitenwechsel(z);
        }
    }
}

}  // namespace tolvek
