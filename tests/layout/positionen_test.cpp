// The line items: rows every 10 mm, wrapped names and long texts, page switches, the columns.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rechnungen.h"

namespace tolvek::test {
namespace {

const std::string kLinie(110, '_');

struct Ort {
    int seite;
    int y;
};

// Where the position number n stands (column x 20).
Ort positionsnummer(const Aufzeichnung& a, int n) {
    const Platzierung p = finde(a, std::to_string(n));
    EXPECT_EQ(p.x, 20) << "position " << n;
    return {p.seite, p.y};
}

// The continuation header of page s, and the footer of every page but the last before it.
void pruefeseitenrahmen(const Aufzeichnung& a, int seiten) {
    ASSERT_EQ(a.seiten(), seiten);
    for (int s = 1; s <= seiten; ++s) {
        SCOPED_TRACE("page " + std::to_string(s));
        int fuss = 0;
        int kopf = 0;
        for (const Platzierung& p : aufseite(a, s)) {
            if (p.y == 270 && p.text == kLinie) {
                ++fuss;
            }
            if (p.y == 5 && p.x == 140) {
                ++kopf;
                EXPECT_EQ(p.text, "Seite " + std::to_string(s));
            }
            if (s > 1 && p.y <= 10) {
                EXPECT_EQ(p.groesse, 8);
            }
        }
        EXPECT_EQ(fuss, 1);
        EXPECT_EQ(kopf, s == 1 ? 0 : 1);
    }
}

TEST(Positionen, SeitenwechselNachDerSechzehntenPosition) {
    const std::string ordner = scratchordner();
    struct Fall {
        int posten;
        int seiten;
        std::vector<std::pair<int, Ort>> orte;  // position number -> page, row
        Ort schlusslinie;
    };
    const std::vector<Fall> faelle = {
        {1, 1, {{1, {1, 109}}}, {1, 124}},
        // The 16th item's after-gap passes 260, so page 2 holds only the totals.
        {16, 2, {{1, {1, 109}}, {15, {1, 249}}, {16, {1, 259}}}, {2, 25}},
        {17, 2, {{16, {1, 259}}, {17, {2, 20}}}, {2, 35}},
        // A continuation page holds 25 items, 20 to 260.
        {41, 3, {{17, {2, 20}}, {40, {2, 250}}, {41, {2, 260}}}, {3, 25}},
        {42, 3, {{41, {2, 260}}, {42, {3, 20}}}, {3, 35}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(std::to_string(f.posten) + " items");
        const Aufzeichnung a =
            rendereaufzeichnung(schreibe(ordner, "r.xml", Rechnung::mitposten(f.posten).xml()));
        for (const auto& [nr, ort] : f.orte) {
            const Ort ist = positionsnummer(a, nr);
            EXPECT_EQ(ist.seite, ort.seite) << "position " << nr;
            EXPECT_EQ(ist.y, ort.y) << "position " << nr;
        }
        pruefeseitenrahmen(a, f.seiten);
        const Platzierung netto = finde(a, "Nettosumme");
        EXPECT_EQ(netto.seite, f.schlusslinie.seite);
        EXPECT_EQ(netto.y, f.schlusslinie.y + 10);
    }
}

TEST(Positionen, FolgeseitenkopfUndFusszeile) {
    const std::string ordner = scratchordner();
    const Aufzeichnung a =
        rendereaufzeichnung(schreibe(ordner, "r.xml", Rechnung::mitposten(17).xml()));
    std::vector<std::string> seite2;
    for (const Platzierung& p : aufseite(a, 2)) {
        if (!p.text.empty() && p.y <= 20) {
            seite2.push_back(Aufzeichnung::zeile(p));
        }
    }
    EXPECT_EQ(seite2, (std::vector<std::string>{
                          "2 20 5 8 Lieferant GmbH",
                          "2 80 5 8 Rechnung R-1",
                          "2 140 5 8 Seite 2",
                          "2 20 10 8 " + kLinie,
                          "2 20 20 8 17",
                          "2 50 20 8 Artikel 17",
                          "2 110 20 8 1",
                          "2 125 20 8 19",
                          "2 145 20 8 10,00",
                          "2 165 20 8 10,00",
                      }));
    // The footer of page 1 comes before the switch, with the same texts as the last one.
    std::vector<std::string> fuss1;
    std::vector<std::string> fuss2;
    for (const Platzierung& p : a.platzierungen()) {
        if (p.y >= 270) {
            (p.seite == 1 ? fuss1 : fuss2)
                .push_back(std::to_string(p.x) + " " + std::to_string(p.y) + " " + p.text);
        }
    }
    EXPECT_EQ(fuss1.size(), 9U);
    EXPECT_EQ(fuss1, fuss2);
}

// Names are cut every 45 bytes into rows at x 50; the cut counts bytes, not characters.
TEST(Positionen, LangeNamen) {
    const std::string ordner = scratchordner();
    const std::string n46 = std::string(45, 'a') + "B";
    std::string n100;
    for (int i = 0; i < 100; ++i) {
        n100 += static_cast<char>('0' + i % 10);
    }
    Rechnung r;
    r.posten.resize(3);
    r.posten[0].name = n46;
    r.posten[1].name = n100;
    r.posten[2].name = std::string(44, 'x') + "\xC3\xA4" + "y";  // the cut splits the ä
    const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", r.xml()));
    std::vector<std::string> namen;
    for (const Platzierung& p : a.platzierungen()) {
        if (p.x == 50 && !p.text.empty() && p.y > 104 && p.y < 200) {
            namen.push_back(std::to_string(p.y) + " " + p.text);
        }
    }
    EXPECT_EQ(namen, (std::vector<std::string>{
                         "109 " + n46.substr(0, 45),
                         "114 B",
                         "124 " + n100.substr(0, 45),
                         "129 " + n100.substr(45, 45),
                         "134 " + n100.substr(90),
                         "144 " + std::string(44, 'x') + "\xC3",
                         "149 \xA4y",
                     }));
}

// A long text that passes 260 continues on the next page after the continuation header; the
// item's other fields are not repeated.
TEST(Positionen, LangtextUeberDasSeitenende) {
    const std::string ordner = scratchordner();
    Rechnung r = Rechnung::mitposten(16);
    r.posten[15].name = std::string(50, 'n');
    r.posten[15].beschreibung = std::string(40, 'd') + std::string(45, 'e') + "fgh";
    const Text pfad = schreibe(ordner, "r.xml", r.xml());

    const Aufzeichnung ohne = rendereaufzeichnung(pfad, false);
    // Without the check box only the name's remainder: row 259, remainder at 264, switch.
    EXPECT_EQ(finde(ohne, "nnnnn").seite, 1);
    EXPECT_EQ(finde(ohne, "nnnnn").y, 264);
    EXPECT_EQ(ohne.seiten(), 2);
    EXPECT_EQ(finde(ohne, "Nettosumme").y, 40);  // after-gap 20, empty pass 25, rule 30

    const Aufzeichnung mit = rendereaufzeichnung(pfad, true);
    std::vector<std::string> zeilen;
    for (const Platzierung& p : mit.platzierungen()) {
        if (p.x == 50 && !p.text.empty() && (p.y >= 259 || p.seite == 2) && p.y < 270) {
            zeilen.push_back(Aufzeichnung::zeile(p));
        }
    }
    EXPECT_EQ(zeilen, (std::vector<std::string>{
                          "1 50 259 8 " + std::string(45, 'n'),
                          // name bytes 46-50 run straight into the description
                          "1 50 264 8 nnnnn" + std::string(40, 'd'),
                          "2 50 20 8 " + std::string(45, 'e'),
                          "2 50 25 8 fgh",
                      }));
    EXPECT_EQ(positionsnummer(mit, 16).seite, 1);
    EXPECT_EQ(finde(mit, "Seite 2").seite, 2);
    EXPECT_EQ(finde(mit, "Nettosumme").y, 50);  // after-gap 30, empty pass 35, rule 40
}

// The columns of one item: quantity with and without the unit C62, price and line amount.
TEST(Positionen, Spalten) {
    const std::string ordner = scratchordner();
    struct Fall {
        const char* name;
        std::string menge;
        std::string preis;
        std::string erwartetmenge;
        std::vector<std::string> erwartetpreis;  // the placements at x 145, in order
    };
    const std::string netto = "<cbc:PriceAmount currencyID=\"EUR\">9.50</cbc:PriceAmount>";
    const std::vector<Fall> faelle = {
        {"C62",
         "<cbc:InvoicedQuantity unitCode=\"C62\">2.000</cbc:InvoicedQuantity>",
         netto,
         "2,000",
         {"", "9,50"}},
        {"H87",
         "<cbc:InvoicedQuantity unitCode=\"H87\">3.5</cbc:InvoicedQuantity>",
         netto,
         "3,5",
         {"", "9,50"}},
        {"C62 with a list attribute",
         "<cbc:InvoicedQuantity unitCode=\"C62\" unitCodeListID=\"UNECERec20\">4</cbc:"
         "InvoicedQuantity>",
         netto,
         "4",
         {"", "9,50"}},
        {"base amount wins",
         "<cbc:InvoicedQuantity unitCode=\"C62\">1</cbc:InvoicedQuantity>",
         netto + "<cac:AllowanceCharge><cbc:BaseAmount currencyID=\"EUR\">12.00</cbc:BaseAmount>"
                 "</cac:AllowanceCharge>",
         "1",
         {"12,00"}},
        // Another currency: the opening tag is not found, and the line's text from byte 34
        // (the opening name's length + 2) up to the closing tag is placed, decimal commas and all.
        {"price in USD",
         "<cbc:InvoicedQuantity unitCode=\"C62\">1</cbc:InvoicedQuantity>",
         "<cbc:PriceAmount currencyID=\"USD\">12.50</cbc:PriceAmount>",
         "1",
         {"",
          "antity unitCode=\"C62\">1</cbc:InvoicedQuantity><cbc:LineExtensionAmount "
          "currencyID=\"EUR\">10,00</cbc:LineExtensionAmount><cac:Item><cbc:Name>Artikel"
          "</cbc:Name><cac:ClassifiedTaxCategory><cbc:ID>S</cbc:ID><cbc:Percent>19</cbc:"
          "Percent></cac:ClassifiedTaxCategory></cac:Item><cac:Price><cbc:PriceAmount "
          "currencyID=\"USD\">12,50"}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Rechnung r;
        r.posten.resize(1);
        r.posten[0].menge = f.menge;
        r.posten[0].preis = f.preis;
        const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", r.xml()));
        std::vector<std::string> preise;
        std::string menge = "(none)";
        for (const Platzierung& p : a.platzierungen()) {
            if (p.y == 109 && p.x == 145) {
                preise.push_back(p.text);
            }
            if (p.y == 109 && p.x == 110) {
                menge = p.text;
            }
        }
        EXPECT_EQ(menge, f.erwartetmenge);
        EXPECT_EQ(preise, f.erwartetpreis);
        EXPECT_EQ(finde(a, "10,00").x, 165);
    }
}

}  // namespace
}  // namespace tolvek::test
