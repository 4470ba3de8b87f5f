// The block search: the file read from its start (getdata) and the same searches answered from
// memory (Blocksuche) must give the same block for every input.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testdateien.h"
#include "text/blocksuche.h"
#include "text/fehler.h"

namespace tolvek {
namespace {

using namespace std::string_literals;
using test::fixture;
using test::Tempordner;

// Checks blocknr 1, 2, ... against bloecke with both searches, also blocknr 0 and below (as 1),
// and asks the cached search once in rising and once in falling order.
void pruefebloecke(const std::string& pfad, const Text& open, const Text& close,
                   const std::vector<Text>& bloecke) {
    Blocksuche aufwaerts;
    for (std::size_t i = 0; i < bloecke.size(); ++i) {
        const auto nr = static_cast<int32_t>(i + 1);
        SCOPED_TRACE("blocknr " + std::to_string(nr));
        EXPECT_EQ(getdata(pfad, nr, open, close), bloecke[i]);
        EXPECT_EQ(aufwaerts.getdata(pfad, nr, open, close), bloecke[i]);
    }
    Blocksuche abwaerts;
    for (std::size_t i = bloecke.size(); i-- > 0;) {
        EXPECT_EQ(abwaerts.getdata(pfad, static_cast<int32_t>(i + 1), open, close), bloecke[i])
            << "falling order, blocknr " << i + 1;
    }
    if (!bloecke.empty()) {
        for (int32_t nr : {0, -3}) {
            EXPECT_EQ(getdata(pfad, nr, open, close), bloecke[0]) << "blocknr " << nr;
            EXPECT_EQ(abwaerts.getdata(pfad, nr, open, close), bloecke[0]) << "blocknr " << nr;
        }
    }
}

struct Fall {
    const char* name;
    std::string inhalt;
    Text open;
    std::vector<Text> bloecke;  // for blocknr 1, 2, ...
    Text close = open;
};

const Fall FAELLE[] = {
    // The reading order as such.
    {"one element per line",
     "  <cac:InvoiceLine>\r\n    <cbc:ID>1</cbc:ID>\r\n  </cac:InvoiceLine>\r\n"
     "  <cac:InvoiceLine>\r\n    <cbc:ID>2</cbc:ID>\r\n  </cac:InvoiceLine>\r\n",
     "cac:InvoiceLine",
     {"    <cbc:ID>1</cbc:ID>  ", "    <cbc:ID>2</cbc:ID>  ", ""}},
    {"closing tag in front of the opening tag",
     "</cbc:Note> x <cbc:Note>y\nz</cbc:Note>\n",
     "cbc:Note",
     {"", "z", ""}},
    {"closing tag before any opening tag",
     "  foo</cbc:Note>\n<cbc:Note>x</cbc:Note>",
     "cbc:Note",
     {"  foo", "x", ""}},
    {"first opening tag of a line counts",
     "<cbc:Note>x<cbc:Note>y\nz</cbc:Note>\n",
     "cbc:Note",
     {"x<cbc:Note>yz", ""}},
    {"later opening tag starts afresh",
     "<cbc:Note>a\n<cbc:Note>b\nc</cbc:Note>\n",
     "cbc:Note",
     {"bc", ""}},
    {"opening tag without closing tag", "<cbc:Note>a\nb\n  c", "cbc:Note", {"ab  c", ""}},
    {"neither tag", "<a>b</a>\n", "cbc:Note", {"", ""}},
    {"value over two lines",
     "<cbc:Note>Zeile eins\r\n  Zeile zwei</cbc:Note>\r\n",
     "cbc:Note",
     {"Zeile eins  Zeile zwei", ""}},
    {"empty file", "", "cbc:ID", {"", ""}},
    {"empty element", "<cbc:ID></cbc:ID>\n<cbc:ID>2</cbc:ID>", "cbc:ID", {"", "2", ""}},
    {"a piece counts once however many closing tags it holds",
     "<cbc:ID>1</cbc:ID> x </cbc:ID>\n<cbc:ID>2</cbc:ID>",
     "cbc:ID",
     {"1", "2", ""}},
    {"different closing name", "<x:A>1</x:B>\n<x:A>2</x:B>", "x:A", {"1", "2", ""}, "x:B"},
    {"case matters", "<cbc:id>1</cbc:id>\n<cbc:ID>2</cbc:ID>", "cbc:ID", {"2", ""}},

    // Line ends: an LF alone ends a line too.
    {"LF-only line ends",
     "  <cac:InvoiceLine>\n    <cbc:ID>1</cbc:ID>\n  </cac:InvoiceLine>\n"
     "  <cac:InvoiceLine>\n    <cbc:ID>2</cbc:ID>\n  </cac:InvoiceLine>\n",
     "cac:InvoiceLine",
     {"    <cbc:ID>1</cbc:ID>  ", "    <cbc:ID>2</cbc:ID>  ", ""}},

    // Tag boundaries: "> <" splits a line, the blanks go with the next piece.
    {"two blocks on one line, a third on the next",
     "<cbc:Note>A</cbc:Note><cbc:Note>B</cbc:Note>\r\n<cbc:Note>C</cbc:Note>\r\n",
     "cbc:Note",
     {"A", "B", "C", ""}},
    {"a line closes one block and opens the next",
     "<cac:InvoiceLine>\n  <cbc:ID>1</cbc:ID>\n</cac:InvoiceLine><cac:InvoiceLine>\n"
     "  <cbc:ID>2</cbc:ID>\n</cac:InvoiceLine>\n",
     "cac:InvoiceLine",
     {"  <cbc:ID>1</cbc:ID>", "  <cbc:ID>2</cbc:ID>", ""}},
    {"block of a split line keeps its bytes",
     "<cac:X>  <cbc:ID>1</cbc:ID>\t<cbc:ID>2</cbc:ID> </cac:X>",
     "cac:X",
     {"  <cbc:ID>1</cbc:ID>\t<cbc:ID>2</cbc:ID> ", ""}},
    {"blocks inside a split line",
     "<cac:X>  <cbc:ID>1</cbc:ID>\t<cbc:ID>2</cbc:ID> </cac:X>",
     "cbc:ID",
     {"1", "2", ""}},
    {"text between the tags keeps the line whole",
     "<cbc:Note>x</cbc:Note> y <cbc:Note>z</cbc:Note>",
     "cbc:Note",
     {"x", ""}},

    // Comments are no content.
    {"commented-out element",
     "<!-- <cbc:ID>alt</cbc:ID> -->\r\n<cbc:ID>neu</cbc:ID>\r\n",
     "cbc:ID",
     {"neu", ""}},
    {"comment inside a value",
     "<cbc:Note>Hallo<!-- weg --> Welt</cbc:Note>",
     "cbc:Note",
     {"Hallo Welt", ""}},
    {"comment over two lines inside a value",
     "<cbc:Note>eins<!-- a\r\nb -->zwei</cbc:Note>\r\n",
     "cbc:Note",
     {"einszwei", ""}},
    {"closing tag in a comment is not counted",
     "<cbc:ID>1</cbc:ID>\n<!--\n<cbc:ID>x</cbc:ID>\n-->\n<cbc:ID>2</cbc:ID>\n",
     "cbc:ID",
     {"1", "2", ""}},
    {"comment without end runs to the end of the file",
     "<cbc:ID>1</cbc:ID>\n<!-- offen\n<cbc:ID>2</cbc:ID>\n",
     "cbc:ID",
     {"1", ""}},
    {"comment between two tags",
     "<cbc:Note>A</cbc:Note> <!-- x --> <cbc:Note>B</cbc:Note>",
     "cbc:Note",
     {"A", "B", ""}},
    {"<!--> opens a comment that --> ends",
     "<!-->\n<cbc:ID>1</cbc:ID>\n-->\n<cbc:ID>2</cbc:ID>",
     "cbc:ID",
     {"2", ""}},

    // Attributes do not hide an element.
    {"opening tag with attributes",
     "  <cbc:Note languageID=\"de\">Hallo</cbc:Note>\r\n  <cbc:Note>Welt</cbc:Note>\r\n",
     "cbc:Note",
     {"Hallo", "Welt", ""}},
    {"block whose opening tag has attributes",
     "<cac:InvoiceLine id=\"1\">\r\n  <cbc:ID>1</cbc:ID>\r\n</cac:InvoiceLine>\r\n",
     "cac:InvoiceLine",
     {"  <cbc:ID>1</cbc:ID>", ""}},
    {"tab in front of an attribute",
     "<cbc:Note\tlanguageID=\"de\">T</cbc:Note>",
     "cbc:Note",
     {"T", ""}},
    {"self-closing elements are invisible",
     "<cbc:Note/>\n<cbc:Note languageID=\"de\"/>\n<cbc:Note />\n<cbc:Note>x</cbc:Note>\n",
     "cbc:Note",
     {"x", ""}},
    {"self-closing element opens no block",
     "<cbc:Note a=\"1\"/>abc\ndef</cbc:Note>",
     "cbc:Note",
     {"def", ""}},
    {"no match on a longer name",
     "<cbc:IDx>a</cbc:IDx>\n<cbc:ID>b</cbc:ID>\n",
     "cbc:ID",
     {"b", ""}},
    {"attribute text in the name",
     "  <cbc:InvoicedQuantity unitCode=\"H87\">5</cbc:InvoicedQuantity>\n"
     "  <cbc:InvoicedQuantity unitCode=\"C62\" unitCodeListID=\"UNECERec20\">7"
     "</cbc:InvoicedQuantity>\n",
     "cbc:InvoicedQuantity unitCode=\"C62\"",
     {"  <cbc:InvoicedQuantity unitCode=\"H87\">5", "7", ""},
     "cbc:InvoicedQuantity"},
};

TEST(Blocksuche, Cases) {
    Tempordner ordner;
    int n = 0;
    for (const Fall& f : FAELLE) {
        SCOPED_TRACE(f.name);
        // A file of its own per case, so no cache can answer from an earlier one.
        pruefebloecke(ordner.schreibe("fall" + std::to_string(++n) + ".xml", f.inhalt), f.open,
                      f.close, f.bloecke);
    }
}

TEST(Blocksuche, LineEndsAndMinified) {
    const std::vector<Text> ids = {"R-1", "1", "2", ""};
    const std::vector<Text> zeilen = {"    <cbc:ID>1</cbc:ID>  ", "    <cbc:ID>2</cbc:ID>  ", ""};
    for (const char* name : {"zeilen_crlf.xml", "zeilen_cr.xml", "zeilen_lf.xml"}) {
        SCOPED_TRACE(name);
        pruefebloecke(fixture(name), "cbc:ID", "cbc:ID", ids);
        pruefebloecke(fixture(name), "cac:InvoiceLine", "cac:InvoiceLine", zeilen);
        pruefebloecke(
            fixture(name), "ubl:Invoice", "ubl:Invoice",
            {"  <cbc:ID>R-1</cbc:ID>  <cac:InvoiceLine>" + zeilen[0] +
                 "</cac:InvoiceLine>  <cac:InvoiceLine>" + zeilen[1] + "</cac:InvoiceLine>",
             ""});
    }
    SCOPED_TRACE("minified");
    pruefebloecke(fixture("minified.xml"), "cbc:ID", "cbc:ID", ids);
    pruefebloecke(fixture("minified.xml"), "cac:InvoiceLine", "cac:InvoiceLine",
                  {"<cbc:ID>1</cbc:ID>", "<cbc:ID>2</cbc:ID>", ""});
}

TEST(Blocksuche, Comments) {
    const std::string pfad = fixture("kommentare.xml");
    pruefebloecke(pfad, "cbc:ID", "cbc:ID", {"R-2", "1", "2", ""});
    pruefebloecke(pfad, "cbc:Note", "cbc:Note", {"Hallo Welt", "x", ""});
    pruefebloecke(
        pfad, "cac:InvoiceLine", "cac:InvoiceLine",
        {"    <cbc:ID>1</cbc:ID>  ", "    <cbc:ID>2</cbc:ID><cbc:Note>x</cbc:Note>  ", ""});
}

TEST(Blocksuche, CtrlZNulAndUtf16) {
    pruefebloecke(fixture("ctrlz.xml"), "cbc:ID", "cbc:ID", {"1", ""});
    pruefebloecke(fixture("ctrlz.xml"), "cbc:Note", "cbc:Note", {"vor", ""});
    pruefebloecke(fixture("nul.xml"), "cbc:Note", "cbc:Note", {"a\0b"s, ""});
    pruefebloecke(fixture("nul.xml"), "cbc:ID", "cbc:ID", {"7", ""});
    // No tag text matches UTF-16 bytes.
    for (const char* tag : {"cbc:ID", "cac:InvoiceLine", "ubl:Invoice"}) {
        SCOPED_TRACE(tag);
        pruefebloecke(fixture("utf16.xml"), tag, tag, {"", ""});
    }
}

void erwartefehler(const std::string& pfad, int code, const char* meldung) {
    for (int zugriff = 0; zugriff < 2; ++zugriff) {
        SCOPED_TRACE(zugriff == 0 ? "getdata" : "Blocksuche");
        try {
            Blocksuche suche;
            zugriff == 0 ? getdata(pfad, 1, "cbc:ID", "cbc:ID")
                         : suche.getdata(pfad, 1, "cbc:ID", "cbc:ID");
            ADD_FAILURE() << "no error";
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.code(), code);
            EXPECT_STREQ(e.what(), meldung);
        }
    }
}

TEST(Blocksuche, FileErrors) {
    Tempordner ordner;
    erwartefehler(ordner.pfad() + "/fehlt.xml", 2, "Datei nicht gefunden");
    erwartefehler(ordner.pfad(), 5, "Dateizugriff verweigert");
}

TEST(Blocksuche, ReadsTheFileOnceAndFollowsTheName) {
    Tempordner ordner;
    const std::string a = ordner.schreibe("a.xml", test::lies(fixture("zeilen_lf.xml")));
    const std::string b = ordner.schreibe("b.xml", "<cbc:ID>B</cbc:ID>\n");
    Blocksuche suche;
    EXPECT_EQ(suche.getdata(a, 1, "cbc:ID", "cbc:ID"), "R-1");
    ASSERT_EQ(std::remove(a.c_str()), 0);
    // Gone from the disk, still in memory.
    EXPECT_EQ(suche.getdata(a, 3, "cbc:ID", "cbc:ID"), "2");
    EXPECT_EQ(suche.getdata(a, 2, "cac:InvoiceLine", "cac:InvoiceLine"),
              "    <cbc:ID>2</cbc:ID>  ");
    // Another name is another file.
    EXPECT_EQ(suche.getdata(b, 1, "cbc:ID", "cbc:ID"), "B");
    try {
        suche.getdata(a, 1, "cbc:ID", "cbc:ID");
        ADD_FAILURE() << "the first file was read again although it is gone";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.code(), 2);
    }
    // A failure is not kept: once the file is there, it is read.
    ordner.schreibe("a.xml", "<cbc:ID>neu</cbc:ID>");
    EXPECT_EQ(suche.getdata(a, 1, "cbc:ID", "cbc:ID"), "neu");
}

TEST(Blocksuche, ClosesTheFile) {
    const std::size_t vorher = test::offenedeskriptoren();
    getdata(fixture("zeilen_lf.xml"), 2, "cbc:ID", "cbc:ID");
    getdata(fixture("zeilen_lf.xml"), 1, "cbc:Fehlt", "cbc:Fehlt");
    {
        Blocksuche suche;
        suche.getdata(fixture("zeilen_lf.xml"), 1, "cbc:ID", "cbc:ID");
        EXPECT_EQ(test::offenedeskriptoren(), vorher);
    }
    EXPECT_EQ(test::offenedeskriptoren(), vorher);
}

// Both searches over the sample e-invoices: the element names the layout asks for, and
// occurrence numbers from 0 to beyond the last.
TEST(Blocksuche, PureAndCachedAgreeOnTheCorpus) {
    const std::vector<std::string> dateien = test::corpusdateien();
    if (dateien.empty()) {
        FAIL() << "corpus not found at " << TOLVEK_CORPUS_DIR;
    }
    const Text namen[] = {"cbc:ID",
                          "cbc:Note",
                          "cac:AccountingSupplierParty",
                          "cac:PartyTaxScheme",
                          "cbc:CompanyID",
                          "cac:InvoiceLine",
                          "cac:PaymentTerms",
                          "cbc:LineExtensionAmount currencyID=\"EUR\""};
    for (const std::string& datei : dateien) {
        SCOPED_TRACE(datei);
        Blocksuche suche;
        for (const Text& open : namen) {
            const Text close = open.substr(0, open.find(' '));
            for (int32_t nr : {0, 1, 2, 5}) {
                SCOPED_TRACE(open + " " + std::to_string(nr));
                ASSERT_EQ(suche.getdata(datei, nr, open, close), getdata(datei, nr, open, close));
            }
        }
    }
}

// Every invoice line of every sample is found by counting blocknr up, and nothing more.
TEST(Blocksuche, FindsEveryInvoiceLineOfTheCorpus) {
    const std::vector<std::string> dateien = test::corpusdateien();
    if (dateien.empty()) {
        FAIL() << "corpus not found at " << TOLVEK_CORPUS_DIR;
    }
    for (const std::string& datei : dateien) {
        SCOPED_TRACE(datei);
        const std::string inhalt = test::lies(datei);
        std::size_t erwartet = 0;
        for (std::size_t i = inhalt.find("<cac:InvoiceLine>"); i != std::string::npos;
             i = inhalt.find("<cac:InvoiceLine>", i + 1)) {
            ++erwartet;
        }
        Blocksuche suche;
        std::size_t gefunden = 0;
        for (int32_t nr = 1;; ++nr) {
            const Text block = suche.getdata(datei, nr, "cac:InvoiceLine", "cac:InvoiceLine");
            if (block.empty()) {
                break;
            }
            EXPECT_NE(block.find("<cbc:InvoicedQuantity"), Text::npos) << "blocknr " << nr;
            ++gefunden;
        }
        EXPECT_GT(gefunden, 0u);
        EXPECT_EQ(gefunden, erwartet);
    }
}

}  // namespace
}  // namespace tolvek
