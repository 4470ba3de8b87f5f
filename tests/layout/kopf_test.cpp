// The first page's header blocks, checked placement by placement on small fixtures.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "rechnungen.h"

namespace tolvek::test {
namespace {

const std::string kLinie(110, '_');
const std::string kKurz(42, '_');

// The whole placement list of voll.xml: every header row present, no customer address line,
// two items (19 % and 7 % written "19" and "7.00"), payment note, allowance and prepayment 0.00.
// Texts are Windows-1252 after the normalisation.
std::string vollprotokoll(bool langtext) {
    std::vector<std::string> z = {
        "1 115 15 8 Rechnungsnummer:",
        "1 155 15 8 RE-4711",
        "1 115 20 8 Kundennummer:",
        "1 155 20 8 K-100",
        "1 115 25 8 Bestellnummer:",
        "1 155 25 8 BE-2025-17",
        "1 115 30 8 Rechnungsdatum:",
        "1 155 30 8 15.03.2025",
        "1 115 35 8 Lieferdatum:",
        "1 155 35 8 10.03.2025",
        "1 115 40 8 F\xE4lligkeit:",
        "1 155 40 8 14.04.2025",
        "1 115 45 8 W\xE4hrung:",
        "1 155 45 8 EUR",
        "1 115 50 8 Leitweg:",
        "1 155 50 8 991-01234-56",
        "1 115 55 8 Ansprechpartner:",
        "1 155 55 8 Frau \xD6zdemir",
        "1 115 60 8 UST-ID:",
        "1 155 60 8 DE123456789",
        "1 115 65 8 Steuernummer:",
        "1 155 65 8 214/5678/9012",
        "1 115 70 8 Handelsregister:",
        "1 155 70 8 HRB 1234",
        "1 115 75 8 IBAN:",
        "1 155 75 8 DE02120300000000202051",
        "1 115 80 8 Tel. Kunde:",
        "1 155 80 8 0211 23125 20",
        "1 115 85 8 Email Kunde:",
        "1 155 85 8 einkauf@kunde.example",
        "1 20 5 14 M\xFCller & S\xF6hne GmbH",
        "1 20 15 10 Lindenstra\xDF"
        "e 5",
        "1 20 20 10 50667 K\xF6ln",
        "1 20 25 10 Tel.:  0221 23125 10",
        "1 20 30 10 Email: info@mueller.example",
        "1 20 45 7 Abs: M\xFCller & S\xF6hne GmbH",
        "1 20 48 7 Lindenstra\xDF"
        "e 5 - 50667 K\xF6ln",
        "1 20 56 12 Kunde AG",
        "1 20 61 12 Hauptstra\xDF"
        "e 1",
        "1 20 66 12 40213 D\xFCsseldorf",
        "1 20 86 14 Rechnung  RE-4711",
        "1 20 96 8 " + kLinie,
        "1 20 101 8 Pos",
        "1 30 101 8 ArtikelNr",
        "1 50 101 8 Bezeichnung",
        "1 110 101 8 Menge",
        "1 125 101 8 MWST",
        "1 145 101 8 Einzelpreis",
        "1 165 101 8 Gesamtpreis",
        "1 20 104 8 " + kLinie,
        // Item 1: no base amount, so an empty text and then the net price at 145.
        "1 20 109 8 1",
        "1 50 109 8 Schraubenschl\xFCssel",
        "1 30 109 8 A-1",
        "1 110 109 8 2,000",
        "1 125 109 8 19",
        "1 145 109 8 ",
        "1 145 109 8 50,00",
        "1 165 109 8 100,00",
    };
    int y = 119;
    if (langtext) {
        z.push_back("1 50 114 8 Langtext eins");
        y = 124;
    }
    const std::string r = std::to_string(y);
    // Item 2: unit H87, the base amount wins over the net price.
    for (const std::string& s :
         {"1 20 " + r + " 8 2", "1 50 " + r + " 8 Buch", "1 30 " + r + " 8 B-2",
          "1 110 " + r + " 8 5", "1 125 " + r + " 8 7,00", "1 145 " + r + " 8 12,00",
          "1 165 " + r + " 8 50,00"}) {
        z.push_back(s);
    }
    // The pass that finds no further line places empty texts one row below.
    const std::string leer = std::to_string(y + 10);
    for (const char* x : {"20", "50", "30", "110", "125", "145", "145", "165"}) {
        z.push_back(std::string("1 ") + x + " " + leer + " 8 ");
    }
    const int s = y + 15;  // the closing rule
    auto zeile = [](int x, int yy, int g, const std::string& t) {
        return "1 " + std::to_string(x) + " " + std::to_string(yy) + " " + std::to_string(g) + " " +
               t;
    };
    for (const std::string& t : std::vector<std::string>{
             zeile(20, s, 8, kLinie),
             zeile(125, s + 10, 10, "Nettosumme"),
             zeile(165, s + 10, 10, "150,00"),
             zeile(125, s + 15, 10, "Netto 19,00"),
             zeile(165, s + 15, 10, "100,00"),
             zeile(125, s + 20, 10, "MWSt 19,00"),
             zeile(165, s + 20, 10, "19,00"),
             zeile(125, s + 25, 10, "Netto 7,00"),
             zeile(165, s + 25, 10, "50,00"),
             zeile(125, s + 30, 10, "MWSt 7,00"),
             zeile(165, s + 30, 10, "3,50"),
             zeile(125, s + 35, 10, "Bruttosumme"),
             zeile(165, s + 35, 10, "172,50"),
             zeile(125, s + 40, 8, kKurz),
             zeile(125, s + 45, 10, "Zahlungsbetrag"),
             zeile(165, s + 45, 10, "172,50 \x80"),
             zeile(125, s + 50, 8, kKurz),
             zeile(20, s + 60, 10, "Zahlbar bis 14.04.2025 ohne Abzug."),
             zeile(20, 270, 8, kLinie),
             zeile(20, 275, 8, "M\xFCller & S\xF6hne GmbH"),
             zeile(20, 280, 8,
                   "Lindenstra\xDF"
                   "e 5"),
             zeile(20, 285, 8, "50667 K\xF6ln"),
             zeile(80, 275, 8, "Telefon: 0221 23125 10"),
             zeile(80, 280, 8, "Email: info@mueller.example"),
             zeile(80, 285, 8, "IBAN: DE02120300000000202051"),
             zeile(140, 275, 8, "UST-ID: DE123456789"),
             zeile(140, 280, 8, "Steuernummer: 214/5678/9012"),
         }) {
        z.push_back(t);
    }
    std::string aus;
    for (const std::string& t : z) {
        aus += t + "\n";
    }
    return aus;
}

// The same invoice with CR LF, with LF alone and on one line gives the same placements.
TEST(Kopf, VollstaendigeRechnungInJederZeilenform) {
    for (const char* datei : {"voll.xml", "voll-lf.xml", "voll-minified.xml"}) {
        SCOPED_TRACE(datei);
        const Aufzeichnung a = rendereaufzeichnung(fixture(datei));
        EXPECT_EQ(a.protokoll(), vollprotokoll(false));
        for (const Platzierung& p : a.platzierungen()) {
            EXPECT_EQ(p.schriftart, "Arial");
        }
        EXPECT_EQ(a.seiten(), 1);
        EXPECT_EQ(a.abschluesse(), 1);
        EXPECT_EQ(a.verwerfungen(), 0);
    }
}

TEST(Kopf, LangtextFolgtDemNamen) {
    const Aufzeichnung a = rendereaufzeichnung(fixture("voll.xml"), true);
    EXPECT_EQ(a.protokoll(), vollprotokoll(true));
}

// Rows marked "if present" vanish without advancing; the letterhead and the footer print
// their labels with empty values; absent dates show "..".
TEST(Kopf, FehlendeWerte) {
    const Aufzeichnung a = rendereaufzeichnung(fixture("karg.xml"));
    const std::vector<std::string> erwartet = {
        "1 115 15 8 Rechnungsnummer:",
        "1 155 15 8 K-1",
        "1 115 20 8 Rechnungsdatum:",
        "1 155 20 8 31.12.2025",
        "1 115 25 8 Lieferdatum:",
        "1 155 25 8 ..",
        "1 115 30 8 F\xE4lligkeit:",
        "1 155 30 8 ..",
        "1 115 35 8 W\xE4hrung:",
        "1 115 40 8 UST-ID:",
        "1 155 40 8 DE111111111",
        "1 20 5 14 Karg e.K.",
        "1 20 15 10 Am Markt 3",
        "1 20 20 10 07743 Jena",
        "1 20 25 10 Tel.:  ",
        "1 20 30 10 Email: ",
        "1 20 45 7 Abs: Karg e.K.",
        "1 20 48 7 Am Markt 3 - 07743 Jena",
        "1 20 56 12 Abnehmer GmbH",
        "1 20 61 12 Ring 9",
        "1 20 66 12 07545 Gera",
        "1 20 86 14 Rechnung  K-1",
        "1 20 96 8 " + kLinie,
        "1 20 101 8 Pos",
        "1 30 101 8 ArtikelNr",
        "1 50 101 8 Bezeichnung",
        "1 110 101 8 Menge",
        "1 125 101 8 MWST",
        "1 145 101 8 Einzelpreis",
        "1 165 101 8 Gesamtpreis",
        "1 20 104 8 " + kLinie,
        // No invoice line: only the empty pass (invisible) at 109, the closing rule at 114.
        "1 20 114 8 " + kLinie,
        "1 125 124 10 Nettosumme",
        "1 165 124 10 0,00",
        "1 125 129 10 Bruttosumme",
        "1 165 129 10 0,00",
        // Absent allowance and prepayment are not the text 0.00: label with an empty value.
        "1 125 134 10 Rabatt",
        "1 125 139 10 Anzahlung",
        "1 125 144 8 " + kKurz,
        "1 125 149 10 Zahlungsbetrag",
        "1 165 149 10 0,00 \x80",
        "1 125 154 8 " + kKurz,
        "1 20 270 8 " + kLinie,
        "1 20 275 8 Karg e.K.",
        "1 20 280 8 Am Markt 3",
        "1 20 285 8 07743 Jena",
        "1 80 275 8 Telefon: ",
        "1 80 280 8 Email: ",
        "1 80 285 8 IBAN: ",
        "1 140 275 8 UST-ID: DE111111111",
        "1 140 280 8 Steuernummer: ",
    };
    EXPECT_EQ(sichtbar(a), erwartet);
    // The empty pass places its eight empty texts on the row below the header rule.
    int leer = 0;
    for (const Platzierung& p : a.platzierungen()) {
        if (p.text.empty() && p.y == 109) {
            ++leer;
        }
    }
    EXPECT_EQ(leer, 8);
}

// With a customer address line the customer rows take one row more and the table moves down.
TEST(Kopf, KundeMitAdresszeile) {
    const std::string ordner = scratchordner();
    Rechnung r = Rechnung::mitposten(1);
    r.kundenadresszeile = true;
    const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", r.xml()));
    const std::vector<std::pair<std::string, int>> zeilen = {
        {"Kunde KG", 56},     {"Abteilung Einkauf", 61}, {"Platz 2", 66},
        {"54290 Trier", 71},  {"Rechnung  R-1", 91},     {"Pos", 106},
        {"Gesamtpreis", 106}, {"Artikel 1", 114},
    };
    for (const auto& [text, y] : zeilen) {
        SCOPED_TRACE(text);
        EXPECT_EQ(finde(a, text).y, y);
    }
    std::vector<int> linien;
    for (const Platzierung& p : aufseite(a, 1)) {
        if (p.text == kLinie && p.y < 200) {
            linien.push_back(p.y);
        }
    }
    // Upper and lower header rule, then the closing rule after the item and the empty pass.
    EXPECT_EQ(linien, (std::vector<int>{101, 109, 129}));
}

// The customer number is found whatever attributes its element carries; the text
// schemeID="0002" is removed first, as always.
TEST(Kopf, Kundennummer) {
    const std::string ordner = scratchordner();
    std::ifstream ein(fixture("voll-lf.xml"), std::ios::binary);
    const std::string vorlage((std::istreambuf_iterator<char>(ein)), {});
    const std::string original = "<cbc:ID schemeID=\"0002\">K-100</cbc:ID>";
    ASSERT_NE(vorlage.find(original), std::string::npos);
    struct Fall {
        const char* name;
        std::string element;
        std::string wert;  // empty: the row is left out
    };
    const std::vector<Fall> faelle = {
        {"scheme 0002", original, "K-100"},
        {"other scheme", "<cbc:ID schemeID=\"0088\">4000001</cbc:ID>", "4000001"},
        {"no attribute", "<cbc:ID>K-7</cbc:ID>", "K-7"},
        {"empty", "<cbc:ID></cbc:ID>", ""},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        std::string xml = vorlage;
        xml.replace(xml.find(original), original.size(), f.element);
        const Aufzeichnung a = rendereaufzeichnung(schreibe(ordner, "r.xml", xml));
        if (f.wert.empty()) {
            EXPECT_FALSE(enthaelt(a, "Kundennummer:"));
            EXPECT_EQ(finde(a, "Bestellnummer:").y, 20);  // the next row moves up
        } else {
            EXPECT_EQ(finde(a, "Kundennummer:").y, 20);
            const Platzierung w = finde(a, f.wert);
            EXPECT_EQ(w.x, 155);
            EXPECT_EQ(w.y, 20);
        }
    }
}

}  // namespace
}  // namespace tolvek::test
