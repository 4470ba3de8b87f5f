// The totals block: which rows show, the sums per rate, the room test before it.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "layout/renderzustand.h"
#include "rechnungen.h"
#include "text/zahlen.h"

namespace tolvek::test {
namespace {

const std::string kLinie(110, '_');
const std::string kKurz(42, '_');

// The rows of the totals block as "label=value", top to bottom.
std::vector<std::string> summenzeilen(const Aufzeichnung& a) {
    std::vector<std::string> zeilen;
    const auto& alle = a.platzierungen();
    for (std::size_t i = 0; i + 1 < alle.size(); ++i) {
        if (alle[i].x == 125 && alle[i].groesse == 10 && alle[i + 1].x == 165) {
            zeilen.push_back(alle[i].text + "=" + alle[i + 1].text);
        }
    }
    return zeilen;
}

// An item's VAT text matches a rate by value: "19", "19.0", "19.00" … (M9). The labels keep
// the two-decimal rate texts.
TEST(Summen, SteuersaetzeNachWert) {
    const std::string ordner = scratchordner();
    struct Fall {
        std::string satz;
        std::vector<std::string> aufschluesselung;  // the rows between the two stated sums
    };
    const std::vector<Fall> faelle = {
        {"19", {"Netto 19,00=10,00", "MWSt 19,00=1,90"}},
        {"19.0", {"Netto 19,00=10,00", "MWSt 19,00=1,90"}},
        {"19.00", {"Netto 19,00=10,00", "MWSt 19,00=1,90"}},
        {"19.000", {"Netto 19,00=10,00", "MWSt 19,00=1,90"}},
        {"7", {"Netto 7,00=10,00", "MWSt 7,00=0,70"}},
        {"7.00", {"Netto 7,00=10,00", "MWSt 7,00=0,70"}},
        {"0", {"Netto steuerfrei=10,00"}},
        {"0.00", {"Netto steuerfrei=10,00"}},
        {"16", {}},
        {"19.5", {}},
        {"019", {}},
        {"17", {}},
        {"70", {}},
        {"", {}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE("rate text '" + f.satz + "'");
        Rechnung r = Rechnung::mitposten(1);
        r.posten[0].satz = f.satz;
        const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", r.xml()));
        std::vector<std::string> erwartet = {"Nettosumme=10,00"};
        erwartet.insert(erwartet.end(), f.aufschluesselung.begin(), f.aufschluesselung.end());
        erwartet.push_back("Bruttosumme=11,90");
        erwartet.push_back("Zahlungsbetrag=11,90 \x80");
        EXPECT_EQ(summenzeilen(a), erwartet);
    }
}

// The sums add the unrounded products over every item of a rate; credits count negative.
TEST(Summen, SummenProSatz) {
    const std::string ordner = scratchordner();
    Rechnung r = Rechnung::mitposten(5);
    r.posten[0].betrag = "100.00";
    r.posten[1].betrag = "-112.50";
    r.posten[2].betrag = "0.10";
    r.posten[3].satz = "7";
    r.posten[3].betrag = "1234.5";
    // Another rate: listed, never converted, so an amount that is no number does no harm.
    r.posten[4].satz = "16";
    r.posten[4].betrag = "n/a";
    const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", r.xml()));
    EXPECT_EQ(summenzeilen(a), (std::vector<std::string>{
                                   "Nettosumme=10,00",
                                   "Netto 19,00=-12,40",
                                   "MWSt 19,00=-2,36",  // -2.356
                                   "Netto 7,00=1234,50",
                                   "MWSt 7,00=86,42",  // 86.415
                                   "Bruttosumme=11,90",
                                   "Zahlungsbetrag=11,90 \x80",
                               }));
}

// Allowance and prepayment hide only for the exact text 0.00.
TEST(Summen, RabattUndAnzahlung) {
    const std::string ordner = scratchordner();
    struct Fall {
        std::string element;  // "" leaves the element out
        std::string gezeigt;  // "(hidden)" when the row must not show
    };
    const std::vector<Fall> faelle = {
        {"0.00", "(hidden)"}, {"0", "0"},         {"0.0", "0,0"},
        {"0,00", "0,00"},     {"25.00", "25,00"}, {"", ""},
    };
    for (const char* name : {"AllowanceTotalAmount", "PrepaidAmount"}) {
        const std::string label = std::string(name) == "PrepaidAmount" ? "Anzahlung" : "Rabatt";
        for (const Fall& f : faelle) {
            SCOPED_TRACE(std::string(name) + " '" + f.element + "'");
            Rechnung r = Rechnung::mitposten(1);
            r.gesamt =
                "<cbc:TaxExclusiveAmount currencyID=\"EUR\">10.00</cbc:TaxExclusiveAmount>"
                "<cbc:TaxInclusiveAmount currencyID=\"EUR\">11.90</cbc:TaxInclusiveAmount>";
            if (!f.element.empty()) {
                r.gesamt += "<cbc:" + std::string(name) + " currencyID=\"EUR\">" + f.element +
                            "</cbc:" + name + ">";
            }
            // The other one stays hidden.
            const char* andere = label == "Rabatt" ? "PrepaidAmount" : "AllowanceTotalAmount";
            r.gesamt +=
                std::string("<cbc:") + andere + " currencyID=\"EUR\">0.00</cbc:" + andere + ">";
            r.gesamt += "<cbc:PayableAmount currencyID=\"EUR\">1190.00</cbc:PayableAmount>";
            const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", r.xml()));
            std::vector<std::string> erwartet = {"Nettosumme=10,00", "Netto 19,00=10,00",
                                                 "MWSt 19,00=1,90", "Bruttosumme=11,90"};
            if (f.gezeigt != "(hidden)") {
                erwartet.push_back(label + "=" + f.gezeigt);
            }
            erwartet.push_back("Zahlungsbetrag=1190,00 \x80");
            EXPECT_EQ(summenzeilen(a), erwartet);
        }
    }
}

// The totals need 11 rows: with ypos at most 205 they stay, beyond it they open a new page.
// Rows lie 4 mm off the 5 mm grid on page 1 (204 stays, 209 moves) and on it on later pages
// (205 stays, 210 moves).
TEST(Summen, PlatzFuerDieSummen) {
    const std::string ordner = scratchordner();
    struct Fall {
        const char* name;
        Rechnung rechnung;
        int seite;  // where the closing rule lands
        int y;
    };
    Rechnung p204 = Rechnung::mitposten(9);
    Rechnung p209 = Rechnung::mitposten(9);
    p209.kundenadresszeile = true;
    Rechnung p205 = Rechnung::mitposten(34);
    Rechnung p210 = Rechnung::mitposten(34);
    p210.posten[20].name = std::string(46, 'w');
    const std::vector<Fall> faelle = {
        {"204 on page 1", p204, 1, 204},
        {"209 on page 1", p209, 2, 15},
        {"205 on page 2", p205, 2, 205},
        {"210 on page 2", p210, 3, 15},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", f.rechnung.xml()));
        const auto& alle = a.platzierungen();
        // The closing rule is the rule placed right before "Nettosumme".
        std::size_t i = 0;
        while (i < alle.size() && alle[i].text != "Nettosumme") {
            ++i;
        }
        ASSERT_LT(i, alle.size());
        ASSERT_GE(i, 1U);
        EXPECT_EQ(alle[i - 1].text, kLinie);
        EXPECT_EQ(alle[i - 1].seite, f.seite);
        EXPECT_EQ(alle[i - 1].y, f.y);
        EXPECT_EQ(alle[i].y, f.y + 10);
        EXPECT_EQ(a.seiten(), f.seite);
    }
}

// The room test itself, on the section alone: ypos 205 keeps the totals on the page, 206
// opens a new one whose closing rule lies at 15 and "Nettosumme" at 25.
TEST(Summen, GrenzeDesPlatzes) {
    setdecimalseparator(',');
    for (const int y : {205, 206}) {
        SCOPED_TRACE("ypos " + std::to_string(y));
        Aufzeichnung a;
        Hauptfelder felder;
        felder.dateiname = fixture("voll.xml");
        felder.blocknr = 4;
        felder.wertnr = 1;
        Renderzustand z(felder, a, false);
        z.ypos = y;
        summen(z);
        EXPECT_EQ(felder.blocknr, 1);
        const Platzierung regel = a.platzierungen().front();
        EXPECT_EQ(regel.text, kLinie);
        EXPECT_EQ(regel.x, 20);
        if (y == 205) {
            EXPECT_EQ(a.seiten(), 1);
            EXPECT_EQ(regel.seite, 1);
            EXPECT_EQ(regel.y, 205);
            EXPECT_EQ(finde(a, "Nettosumme").y, 215);
        } else {
            EXPECT_EQ(a.seiten(), 2);
            // The first page got its footer before the switch.
            EXPECT_EQ(regel.seite, 1);
            EXPECT_EQ(regel.y, 270);
            const Platzierung n = finde(a, "Nettosumme");
            EXPECT_EQ(n.seite, 2);
            EXPECT_EQ(n.y, 25);
            EXPECT_EQ(finde(a, "Seite 2").y, 5);
            int schlussregeln = 0;
            for (const Platzierung& p : aufseite(a, 2)) {
                schlussregeln += p.text == kLinie && p.x == 20 && p.y == 15 ? 1 : 0;
            }
            EXPECT_EQ(schlussregeln, 1);
        }
    }
}

// With the rule at 205 and every row shown, the block runs down to the footer: no further test.
TEST(Summen, AlleZeilenAbSeitenmitte) {
    const std::string ordner = scratchordner();
    Rechnung r = Rechnung::mitposten(34);
    r.posten[0].satz = "7";
    r.posten[1].satz = "0";
    r.gesamt =
        "<cbc:TaxExclusiveAmount currencyID=\"EUR\">340.00</cbc:TaxExclusiveAmount>"
        "<cbc:TaxInclusiveAmount currencyID=\"EUR\">398.00</cbc:TaxInclusiveAmount>"
        "<cbc:AllowanceTotalAmount currencyID=\"EUR\">5.00</cbc:AllowanceTotalAmount>"
        "<cbc:PrepaidAmount currencyID=\"EUR\">100.00</cbc:PrepaidAmount>"
        "<cbc:PayableAmount currencyID=\"EUR\">293.00</cbc:PayableAmount>";
    r.zahlungshinweis = "Zahlbar sofort &amp; ohne Abzug";
    const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", r.xml()));
    std::vector<std::string> block;
    for (const Platzierung& p : aufseite(a, 2)) {
        if (p.y >= 205 && !(p.y >= 270 && p.groesse == 8 && p.x != 125)) {
            block.push_back(Aufzeichnung::zeile(p));
        }
    }
    EXPECT_EQ(block, (std::vector<std::string>{
                         "2 20 205 8 " + kLinie,        "2 125 215 10 Nettosumme",
                         "2 165 215 10 340,00",         "2 125 220 10 Netto 19,00",
                         "2 165 220 10 320,00",         "2 125 225 10 MWSt 19,00",
                         "2 165 225 10 60,80",          "2 125 230 10 Netto 7,00",
                         "2 165 230 10 10,00",          "2 125 235 10 MWSt 7,00",
                         "2 165 235 10 0,70",           "2 125 240 10 Netto steuerfrei",
                         "2 165 240 10 10,00",          "2 125 245 10 Bruttosumme",
                         "2 165 245 10 398,00",         "2 125 250 10 Rabatt",
                         "2 165 250 10 5,00",           "2 125 255 10 Anzahlung",
                         "2 165 255 10 100,00",         "2 125 260 8 " + kKurz,
                         "2 125 265 10 Zahlungsbetrag", "2 165 265 10 293,00 \x80",
                         "2 125 270 8 " + kKurz,        "2 20 280 10 Zahlbar sofort & ohne Abzug",
                     }));
}

}  // namespace
}  // namespace tolvek::test
