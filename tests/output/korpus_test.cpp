// The public sample e-invoices: each one renders to a PDF whose pages and texts match the
// recorded layout, or ends with an error the layout names.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "layout/renderlauf.h"
#include "output/pdfausgabe.h"
#include "pdfpruefung.h"
#include "tests/layout/rechnungen.h"
#include "text/fehler.h"
#include "text/zahlen.h"

namespace tolvek::test {
namespace {

namespace fs = std::filesystem;

std::vector<fs::path> korpus() {
    std::vector<fs::path> dateien;
    if (fs::is_directory(TOLVEK_CORPUS_DIR)) {
        for (const auto& e : fs::directory_iterator(TOLVEK_CORPUS_DIR)) {
            if (e.path().extension() == ".xml") {
                dateien.push_back(e.path());
            }
        }
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

bool beschriftung(const Platzierung& p) {
    static const std::set<Text> texte = {"Rechnungsnummer:",
                                         "Rechnungsdatum:",
                                         "Lieferdatum:",
                                         "F\xE4lligkeit:",
                                         "W\xE4hrung:",
                                         "Pos",
                                         "ArtikelNr",
                                         "Bezeichnung",
                                         "Menge",
                                         "MWST",
                                         "Einzelpreis",
                                         "Gesamtpreis",
                                         "Nettosumme",
                                         "Bruttosumme",
                                         "Zahlungsbetrag",
                                         Text(110, '_'),
                                         Text(42, '_')};
    return texte.count(p.text) > 0;
}

TEST(Korpus, JedeRechnungWirdPdfOderBekannterFehler) {
    const std::vector<fs::path> dateien = korpus();
    if (dateien.empty()) {
        FAIL() << "no sample e-invoices in " << TOLVEK_CORPUS_DIR;
    }
    const std::string ordner = scratchordner();
    setdecimalseparator(',');
    std::unique_ptr<TPDF> pdf;  // one library instance for all, as in the programs
    std::map<std::string, std::vector<std::string>> fehler;
    int pdfs = 0;
    for (const fs::path& quelle : dateien) {
        const std::string name = quelle.filename().string();
        SCOPED_TRACE(name);
        const std::string datei = ordner + "/" + name;
        fs::copy_file(quelle, datei, fs::copy_options::overwrite_existing);
        try {
            PdfAusgabe ausgabe(pdf);
            Hauptfelder felder;
            const Text pfad = rendere(felder, datei, false, ausgabe);
            ASSERT_TRUE(fs::exists(pfad));
            EXPECT_EQ(fs::path(pfad).parent_path(), fs::path(ordner));
            const Pdf gelesen = lies(pfad);
            ASSERT_TRUE(gelesen.geladen);
            const Aufzeichnung erwartet = rendereaufzeichnung(datei);
            EXPECT_EQ(static_cast<int>(gelesen.seiten.size()), erwartet.seiten());
            // Values are placed unmeasured and may run into the next column, where poppler
            // joins them with their neighbour; the layout's own labels and rules never do.
            EXPECT_GE(pruefepositionen(erwartet, gelesen, 0.5, beschriftung), 15);
            fs::remove(pfad);
            ++pdfs;
        } catch (const EConvertError& e) {
            // An amount of a summed item that is no number; nothing may have been written.
            fehler[e.what()].push_back(name);
            EXPECT_FALSE(pdf) << "the failed run's document was not dropped";
        } catch (const std::exception& e) {
            ADD_FAILURE() << "unexpected error: " << e.what();
        }
    }
    for (const auto& [meldung, namen] : fehler) {
        std::string liste;
        for (const std::string& n : namen) {
            liste += " " + n;
        }
        std::cout << "[ corpus   ] " << meldung << ":" << liste << "\n";
    }
    std::cout << "[ corpus   ] " << pdfs << " of " << dateien.size() << " rendered to PDF\n";
}

}  // namespace
}  // namespace tolvek::test
