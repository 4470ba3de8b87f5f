// A fuzz-style harness over the text core: inputs mutated from the fixtures and slices of the
// corpus. Nothing may crash or raise anything but its own error, the block search read from
// the file and answered from memory must agree, and clear never grows a text.
// Deterministic (fixed seed) and short, so it runs with every test run; the sanitizer build
// turns any memory fault into a failure.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "testdateien.h"
#include "text/blocksuche.h"
#include "text/clear.h"
#include "text/fehler.h"
#include "text/wertsuche.h"
#include "text/zahlen.h"

namespace tolvek {
namespace {

using namespace std::string_literals;

const std::vector<std::string> BAUSTEINE = {
    "<",
    ">",
    "</",
    "/>",
    " ",
    "\t",
    "\r",
    "\n",
    "\r\n",
    "\x1a",
    "\0"s,
    "<!--",
    "-->",
    "&amp;",
    "&#228;",
    "&#x",
    "&",
    ";",
    "\xC3",
    "\xA4",
    "\xE2\x82",
    "\xAC",
    "<cbc:ID>",
    "</cbc:ID>",
    "<cbc:ID schemeID=\"1\">",
    "<cbc:ID/>",
    "<cac:InvoiceLine>",
    "</cac:InvoiceLine>",
    ",",
    ".",
    "E",
    "-",
    "+",
    "9",
    "0",
};

std::string mutiere(std::string s, std::mt19937& zufall) {
    auto stelle = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n)(zufall);
    };
    const int schritte = 1 + static_cast<int>(stelle(7));
    for (int i = 0; i < schritte; ++i) {
        switch (stelle(3)) {
            case 0:
                s.insert(stelle(s.size()), BAUSTEINE[stelle(BAUSTEINE.size() - 1)]);
                break;
            case 1:
                if (!s.empty()) {
                    s[stelle(s.size() - 1)] = static_cast<char>(stelle(255));
                }
                break;
            case 2: {
                const std::size_t von = stelle(s.size());
                s.erase(von, stelle(16));
                break;
            }
            default: {
                const std::size_t von = stelle(s.size());
                const std::string stueck = s.substr(von, stelle(64));
                s.insert(stelle(s.size()), stueck);
                break;
            }
        }
    }
    return s;
}

void pruefe(const std::string& daten, const std::string& pfad, const test::Tempordner& ordner) {
    ordner.schreibe("eingabe.xml", daten);
    const Text namen[] = {"cbc:ID", "cac:InvoiceLine", "cbc:ID schemeID=\"1\"", "cbc:Note"};
    Blocksuche suche;
    for (const Text& open : namen) {
        const Text close = open.substr(0, open.find(' '));
        for (int32_t nr : {-1, 1, 2, 3, 9}) {
            const Text rein = getdata(pfad, nr, open, close);
            ASSERT_EQ(suche.getdata(pfad, nr, open, close), rein) << open << " " << nr;
            // A block never holds more bytes than the file.
            ASSERT_LE(rein.size(), daten.size());
            for (int32_t wertnr : {0, 1, 2}) {
                const Text v = getvalue(daten, open, close, wertnr);
                ASSERT_LE(v.size(), daten.size());
                getvalue(rein, open, close, wertnr);
            }
        }
    }
    ASSERT_LE(clear(daten).size(), daten.size());
    for (std::size_t von = 0; von < daten.size() && von < 64; von += 7) {
        try {
            parsenumber(daten.substr(von, 12));
        } catch (const EConvertError&) {
        }
    }
}

TEST(Fuzz, MutatedFixturesAndCorpusSlices) {
    std::vector<std::string> saat;
    for (const char* name : {"zeilen_crlf.xml", "zeilen_cr.xml", "zeilen_lf.xml", "minified.xml",
                             "ctrlz.xml", "nul.xml", "utf16.xml", "kommentare.xml"}) {
        saat.push_back(test::lies(test::fixture(name)));
    }
    std::mt19937 zufall(20250101);
    const std::vector<std::string> corpus = test::corpusdateien();
    for (std::size_t i = 0; i < corpus.size(); i += 3) {
        const std::string inhalt = test::lies(corpus[i]);
        const std::size_t von =
            std::uniform_int_distribution<std::size_t>(0, inhalt.size() / 2)(zufall);
        saat.push_back(inhalt.substr(von, 3000));
    }
    test::Tempordner ordner;
    const std::string pfad = ordner.pfad() + "/eingabe.xml";
    for (const std::string& s : saat) {
        pruefe(s, pfad, ordner);
    }
    for (int runde = 0; runde < 600; ++runde) {
        const std::string& basis = saat[runde % saat.size()];
        SCOPED_TRACE(runde);
        pruefe(mutiere(basis, zufall), pfad, ordner);
        if (HasFatalFailure()) {
            return;
        }
    }
}

}  // namespace
}  // namespace tolvek
