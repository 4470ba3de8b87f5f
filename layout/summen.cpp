// The closing block: the stated totals with the computed breakdown per rate, the payable amount
// between two short rules, the payment note and the footer of the last page.
#include <cstdint>

#include "layout/renderzustand.h"
#include "text/zahlen.h"

namespace tolvek {

namespace {

constexpr int32_t kLabelX = 125;
constexpr int32_t kWertX = 165;
constexpr int32_t kGroesse = 10;

void summenzeile(Renderzustand& z, const Text& label, const Text& wert) {
    z.drucke(kLabelX, z.ypos, label, kGroesse);
    z.drucke(kWertX, z.ypos, wert, kGroesse);
    z.ypos += z.zeilenabstand;
}

// A computed sum shows only when it is not exactly zero; a negative sum is shown.
void summezeigen(Renderzustand& z, const Text& label, double summe) {
    if (summe != 0.0) {
        summenzeile(z, label, formatamount(summe));
    }
}

// The invoice's own amount of the total block, as stated.
Text betrag(const Renderzustand& z, const Text& gesamt, const Text& name) {
    return z.wert(gesamt, name + " currencyID=\"EUR\"", name);
}

// Allowance and prepayment hide only for the exact text 0.00; an absent one shows empty.
void betragwennnicht000(Renderzustand& z, const Text& label, const Text& gesamt, const Text& name) {
    const Text wert = betrag(z, gesamt, name);
    if (wert != "0.00") {
        summenzeile(z, label, dezimalkomma(wert));
    }
}

}  // namespace

void summen(Renderzustand& z) {
    // The totals need eleven rows; below that the page is switched first.
    if (z.ypos > 260 - 11 * z.zeilenabstand) {
        seitenwechsel(z);
    }
    z.drucke(20, z.ypos, trennlinie);
    z.felder.blocknr = 1;
    z.ypos += 2 * z.zeilenabstand;

    const Text gesamt = z.block("cac:LegalMonetaryTotal");
    summenzeile(z, "Nettosumme", dezimalkomma(betrag(z, gesamt, "cbc:TaxExclusiveAmount")));
    summezeigen(z, "Netto " + z.satztext19, z.netto19);
    summezeigen(z, "MWSt " + z.satztext19, z.mwst19);
    summezeigen(z, "Netto " + z.satztext7, z.netto7);
    summezeigen(z, "MWSt " + z.satztext7, z.mwst7);
    summezeigen(z, "Netto steuerfrei", z.netto0);
    summenzeile(z, "Bruttosumme", dezimalkomma(betrag(z, gesamt, "cbc:TaxInclusiveAmount")));
    betragwennnicht000(z, "Rabatt", gesamt, "cbc:AllowanceTotalAmount");
    betragwennnicht000(z, "Anzahlung", gesamt, "cbc:PrepaidAmount");

    z.drucke(kLabelX, z.ypos, kurzlinie);
    z.ypos += z.zeilenabstand;
    z.drucke(kLabelX, z.ypos, "Zahlungsbetrag", kGroesse);
    z.drucke(kWertX, z.ypos, dezimalkomma(betrag(z, gesamt, "cbc:PayableAmount")) + " \x80",
             kGroesse);
    z.ypos += z.zeilenabstand;
    z.drucke(kLabelX, z.ypos, kurzlinie);

    const Text hinweis = z.wert(z.block("cac:PaymentTerms"), "cbc:Note");
    if (!hinweis.empty()) {
        z.ypos += 2 * z.zeilenabstand;
        z.drucke(20, z.ypos, hinweis, kGroesse);
    }

    fusszeile(z);
}

}  // namespace tolvek
