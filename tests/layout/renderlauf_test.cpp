// The render run as a whole: the PDF's name and folder, the main window's fields, failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "layout/belegname.h"
#include "layout/renderlauf.h"
#include "layout/steuersatz.h"
#include "rechnungen.h"
#include "text/fehler.h"
#include "text/zahlen.h"

namespace tolvek::test {
namespace {

TEST(Belegname, UnerlaubteZeichenWerdenUnterstriche) {
    struct Fall {
        Text nummer;
        Text name;
    };
    const std::vector<Fall> faelle = {
        {"RE/2024/001", "Beleg-RE_2024_001.pdf"},
        {"a\\b:c*d?e\"f<g>h|i", "Beleg-a_b_c_d_e_f_g_h_i.pdf"},
        {Text("A\x01"
              "B\tC\x1F"
              "D\x7F",
              8),
         "Beleg-A_B_C_D\x7F.pdf"},
        {"R-4711 (Kopie).2", "Beleg-R-4711 (Kopie).2.pdf"},
        {"M\xC3\xBCller", "Beleg-M\xC3\xBCller.pdf"},
        {"..", "Beleg-...pdf"},
        {"", "Beleg-.pdf"},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(belegname(f.nummer), f.name);
    }
}

TEST(Belegname, OrdnerDerERechnung) {
    const Text hier = std::filesystem::current_path().native();
    EXPECT_EQ(belegpfad("/a/b/r.xml", "B.pdf"), "/a/b/B.pdf");
    EXPECT_EQ(belegpfad("/r.xml", "B.pdf"), "/B.pdf");
    EXPECT_EQ(belegpfad("unter/r.xml", "B.pdf"), "unter/B.pdf");
    EXPECT_EQ(belegpfad("r.xml", "B.pdf"), hier + "/B.pdf");
}

TEST(Steuersatz, PasstNachWert) {
    struct Fall {
        Text satz;
        bool passt19;
    };
    const std::vector<Fall> faelle = {
        {"19", true},     {"19,", true},    {"19,0", true},  {"19,00", true},
        {"19,000", true}, {"19,01", false}, {"19,5", false}, {"190", false},
        {"019", false},   {"+19", false},   {" 19", false},  {"19 ", false},
        {"19.00", false}, {"1", false},     {"", false},     {"19,0x", false},
    };
    for (const Fall& f : faelle) {
        EXPECT_EQ(satzpasst(f.satz, "19"), f.passt19) << "'" << f.satz << "'";
    }
    EXPECT_TRUE(satzpasst("0", "0"));
    EXPECT_TRUE(satzpasst("0,00", "0"));
    EXPECT_FALSE(satzpasst("00", "0"));
    EXPECT_FALSE(satzpasst("7", "0"));
    EXPECT_TRUE(satzpasst("7,000", "7"));
    EXPECT_FALSE(satzpasst("70", "7"));
}

TEST(Renderlauf, PdfNebenDerERechnung) {
    const std::string ordner = scratchordner();
    Rechnung r = Rechnung::mitposten(2);
    r.nummer = "RE/2024/001";
    const Text pfad = schreibe(ordner, "rechnung.xml", r.xml());
    setdecimalseparator(',');
    Aufzeichnung a;
    Hauptfelder felder;
    felder.blocknr = 7;
    felder.wertnr = 3;
    const Text pdf = rendere(felder, pfad, false, a);
    EXPECT_EQ(pdf, ordner + "/Beleg-RE_2024_001.pdf");
    EXPECT_EQ(a.pdfpfad(), pdf);
    EXPECT_EQ(felder.dateiname, "Beleg-RE_2024_001.pdf");
    EXPECT_EQ(felder.blocknr, 1);  // the totals set it back
    EXPECT_EQ(felder.wertnr, 1);
    EXPECT_EQ(a.abschluesse(), 1);
    EXPECT_EQ(a.verwerfungen(), 0);
    // The title and the continuation header show the number as read.
    EXPECT_TRUE(enthaelt(a, "Rechnung  RE/2024/001"));
}

TEST(Renderlauf, FehlendeDateiOeffnetNichts) {
    const std::string ordner = scratchordner();
    const Text pfad = ordner + "/fehlt.xml";
    setdecimalseparator(',');
    Aufzeichnung a;
    Hauptfelder felder;
    try {
        rendere(felder, pfad, false, a);
        FAIL() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.code(), 2);
        EXPECT_STREQ(e.what(), "Datei nicht gefunden");
    }
    EXPECT_TRUE(a.platzierungen().empty());
    EXPECT_EQ(felder.dateiname, pfad);
    EXPECT_EQ(a.abschluesse(), 0);
}

// An amount that does not parse ends the run after the item's row; the totals are not placed,
// nothing is completed, and the output is discarded.
TEST(Renderlauf, BetragOhneZahl) {
    const std::string ordner = scratchordner();
    struct Fall {
        const char* name;
        char trenner;
        Text betrag;
        Text meldung;
    };
    const std::vector<Fall> faelle = {
        {"two full stops", ',', "1.234.56", "'1,234,56' ist kein g\xC3\xBCltiger Gleitkommawert"},
        {"empty", ',', "", "'' ist kein g\xC3\xBCltiger Gleitkommawert"},
        {"full stop as separator", '.', "10.00", "'10,00' ist kein g\xC3\xBCltiger Gleitkommawert"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Rechnung r = Rechnung::mitposten(2);
        r.posten[1].betrag = f.betrag;
        const Text pfad = schreibe(ordner, "r.xml", r.xml());
        setdecimalseparator(f.trenner);
        Aufzeichnung a;
        Hauptfelder felder;
        try {
            rendere(felder, pfad, false, a);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            EXPECT_EQ(Text(e.what()), f.meldung);
        }
        setdecimalseparator(',');
        EXPECT_TRUE(enthaelt(a, "Artikel 1"));  // the row of the failing item is placed
        EXPECT_FALSE(enthaelt(a, "Nettosumme"));
        EXPECT_EQ(a.abschluesse(), 0);
        EXPECT_EQ(a.verwerfungen(), 1);
        EXPECT_EQ(felder.dateiname, pfad);
    }
}

}  // namespace
}  // namespace tolvek::test
