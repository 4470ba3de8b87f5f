// tolvek-render end to end: fixtures rendered by the program, the PDFs read back with poppler.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

struct Lauf {
    int status = -1;
    std::string aus;
    std::string fehler;
};

std::string zitiert(const std::string& s) {
    std::string z = "'";
    for (char c : s) {
        z += c == '\'' ? std::string("'\\''") : std::string(1, c);
    }
    return z + "'";
}

std::string inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(ein), {});
}

// Runs a program with arguments, standard output and error caught in files beside it.
Lauf starte(const std::string& programm, const std::vector<std::string>& argumente,
            const std::string& ordner) {
    // In the sanitizer build the leak checker must not add its report of suppressions to the
    // program's standard error, which the tests compare.
    std::string befehl =
        "LSAN_OPTIONS=\"${LSAN_OPTIONS:+$LSAN_OPTIONS:}print_suppressions=0\" " + zitiert(programm);
    for (const std::string& a : argumente) {
        befehl += " " + zitiert(a);
    }
    befehl +=
        " >" + zitiert(ordner + "/stdout") + " 2>" + zitiert(ordner + "/stderr") + " </dev/null";
    const int s = std::system(befehl.c_str());
    Lauf lauf;
    lauf.status = WIFEXITED(s) ? WEXITSTATUS(s) : -1;
    lauf.aus = inhalt(ordner + "/stdout");
    lauf.fehler = inhalt(ordner + "/stderr");
    return lauf;
}

Lauf render(const std::vector<std::string>& argumente, const std::string& ordner) {
    return starte(TOLVEK_RENDER, argumente, ordner);
}

// Copies a fixture into the folder (the PDF lands beside the e-invoice).
std::string kopie(const std::string& fixturename, const std::string& ordner) {
    const std::string ziel = ordner + "/" + fixturename;
    fs::copy_file(fixture(fixturename), ziel, fs::copy_options::overwrite_existing);
    return ziel;
}

TEST(TolvekRender, FixturesStehenWoSieHingehoeren) {
    const std::string ordner = scratchordner();
    for (const char* name : {"voll.xml", "voll-lf.xml", "voll-minified.xml", "karg.xml"}) {
        SCOPED_TRACE(name);
        const std::string datei = kopie(name, ordner);
        const Lauf lauf = render({datei}, ordner);
        ASSERT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_EQ(lauf.fehler, "");
        const std::string pdfpfad = lauf.aus.substr(0, lauf.aus.find('\n'));
        EXPECT_EQ(lauf.aus, pdfpfad + "\n");
        EXPECT_EQ(fs::path(pdfpfad).parent_path(), fs::path(ordner));

        const Pdf pdf = lies(pdfpfad);
        ASSERT_TRUE(pdf.geladen);
        EXPECT_EQ(pdf.meldungen, std::vector<std::string>{});
        EXPECT_EQ(pdf.seiten.size(), 1U);
        ASSERT_FALSE(pdf.schriften.empty());
        for (const Schriftangabe& s : pdf.schriften) {
            EXPECT_NE(s.name.find("LiberationSans"), std::string::npos) << s.name;
            EXPECT_TRUE(s.eingebettet);
        }
        const Aufzeichnung erwartet = rendereaufzeichnung(datei);
        EXPECT_GT(pruefepositionen(erwartet, pdf), 50);
        fs::remove(pdfpfad);
    }
}

// Three pages: every text in place, one footer per page, continuation headers 2 and 3.
TEST(TolvekRender, MehrereSeiten) {
    const std::string ordner = scratchordner();
    Rechnung r = Rechnung::mitposten(42);
    r.posten[16].name = std::string(60, 'L');
    const std::string datei = schreibe(ordner, "r.xml", r.xml());
    const Lauf lauf = render({"--langtext", datei}, ordner);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const Pdf pdf = lies(ordner + "/Beleg-R-1.pdf");
    ASSERT_EQ(pdf.seiten.size(), 3U);
    const Aufzeichnung erwartet = rendereaufzeichnung(datei, true);
    pruefepositionen(erwartet, pdf);
    const std::string linie(110, '_');
    for (int s = 1; s <= 3; ++s) {
        SCOPED_TRACE("page " + std::to_string(s));
        int fuss = 0;
        for (const Wort& w : pdf.seiten[static_cast<std::size_t>(s - 1)].woerter) {
            if (w.text == linie &&
                std::abs((pdf.seiten[0].hoehe - grundlinie(w, 8)) - 71.0) <= 0.5) {
                ++fuss;
            }
        }
        EXPECT_EQ(fuss, 1);
        EXPECT_EQ(zaehle(pdf, s, "Seite"), s == 1 ? 0 : 1);
    }
}

TEST(TolvekRender, Aufrufe) {
    const std::string ordner = scratchordner();
    const Lauf version = render({"--version"}, ordner);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.aus, "Tolvek Kavrin Version 20.25.01\n");
    const Lauf hilfe = render({"--help"}, ordner);
    EXPECT_EQ(hilfe.status, 0);
    EXPECT_NE(hilfe.aus.find("tolvek-render [--langtext] [--printer NAME] FILE.xml..."),
              std::string::npos);
    for (const std::vector<std::string>& falsch : {std::vector<std::string>{},
                                                   {"--langtext"},
                                                   {"--bunt", "a.xml"},
                                                   {"a.xml", "--printer"}}) {
        const Lauf l = render(falsch, ordner);
        EXPECT_EQ(l.status, 2);
        EXPECT_EQ(l.aus, "");
        EXPECT_NE(l.fehler.find("tolvek-render: "), std::string::npos);
    }
}

// A bare file name puts the PDF into the current directory, and its full path is printed.
TEST(TolvekRender, DateinameOhneOrdner) {
    const std::string ordner = scratchordner();
    kopie("karg.xml", ordner);
    const std::string befehl =
        "cd " + zitiert(ordner) + " && " + zitiert(TOLVEK_RENDER) + " karg.xml >stdout 2>stderr";
    ASSERT_EQ(std::system(befehl.c_str()), 0) << inhalt(ordner + "/stderr");
    EXPECT_EQ(inhalt(ordner + "/stdout"), ordner + "/Beleg-K-1.pdf\n");
    EXPECT_TRUE(fs::exists(ordner + "/Beleg-K-1.pdf"));
}

// A printer the system does not know ends the program before any file is read.
TEST(TolvekRender, UnbekannterDrucker) {
    const std::string ordner = scratchordner();
    const std::string datei = kopie("voll.xml", ordner);
    const Lauf lauf = render({"--printer", "Tolvek-gibt-es-nicht", datei}, ordner);
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_NE(lauf.fehler.find("tolvek-render: Drucker nicht gefunden: Tolvek-gibt-es-nicht\n"),
              std::string::npos)
        << lauf.fehler;
}

// A failing file is reported with its path and the message; the others are still rendered.
TEST(TolvekRender, FehlerUndWeiter) {
    const std::string ordner = scratchordner();
    const std::string gut = kopie("voll.xml", ordner);
    const std::string fehlt = ordner + "/fehlt.xml";
    Rechnung kaputt = Rechnung::mitposten(2);
    kaputt.nummer = "KAPUTT";
    kaputt.posten[1].betrag = "1.234.56";
    const std::string schlecht = schreibe(ordner, "kaputt.xml", kaputt.xml());
    Rechnung schraeg = Rechnung::mitposten(1);
    schraeg.nummer = "RE/2024/001";
    const std::string nummer = schreibe(ordner, "schraeg.xml", schraeg.xml());

    const Lauf lauf = render({fehlt, gut, schlecht, nummer}, ordner);
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.aus, ordner + "/Beleg-RE-4711.pdf\n" + ordner + "/Beleg-RE_2024_001.pdf\n");
    EXPECT_EQ(lauf.fehler, fehlt + ": Datei nicht gefunden\n" + schlecht +
                               ": '1,234,56' ist kein g\xC3\xBCltiger Gleitkommawert\n");
    EXPECT_FALSE(fs::exists(ordner + "/Beleg-KAPUTT.pdf"));
    // The failed invoice's pages did not go into the next file (M4).
    const Pdf pdf = lies(ordner + "/Beleg-RE_2024_001.pdf");
    ASSERT_EQ(pdf.seiten.size(), 1U);
    EXPECT_EQ(zaehle(pdf, 1, "KAPUTT"), 0);
    EXPECT_EQ(zaehle(pdf, 1, "RE/2024/001"), 2);  // the number row and the title
}

// A PDF the library could not write is a failure with the path in the message (M6). A folder
// in the way of the file fails the rename even for root.
TEST(TolvekRender, NichtGeschriebenesPdf) {
    const std::string ordner = scratchordner();
    const std::string datei = kopie("voll.xml", ordner);
    fs::create_directories(ordner + "/Beleg-RE-4711.pdf/belegt");
    const Lauf lauf = render({datei}, ordner);
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_EQ(lauf.fehler, datei + ": Die PDF-Datei konnte nicht geschrieben werden: " + ordner +
                               "/Beleg-RE-4711.pdf\n");
    EXPECT_TRUE(fs::is_directory(ordner + "/Beleg-RE-4711.pdf"));
}

// Without dynapdf.dll beside the program the library's own message is reported.
TEST(TolvekRender, BibliothekFehlt) {
    const std::string ordner = scratchordner();
    const std::string programm = ordner + "/tolvek-render";
    fs::copy_file(TOLVEK_RENDER, programm);
    const std::string datei = kopie("voll.xml", ordner);
    const Lauf lauf = starte(programm, {datei}, ordner);
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.fehler, datei + ": Error: Cannot find dynapdf.dll\n");
    EXPECT_FALSE(fs::exists(ordner + "/Beleg-RE-4711.pdf"));
}

// In one process: a run that fails after its first placement drops its document, and the next
// run writes a document of its own pages only (M4).
TEST(PdfRender, FehlgeschlagenerLaufHinterlaesstNichts) {
    const std::string ordner = scratchordner();
    setdecimalseparator(',');
    Rechnung kaputt = Rechnung::mitposten(20);
    kaputt.nummer = "KAPUTT";
    kaputt.posten[19].betrag = "x";
    const std::string schlecht = schreibe(ordner, "kaputt.xml", kaputt.xml());
    const std::string gut = kopie("voll.xml", ordner);

    std::unique_ptr<TPDF> pdf;
    {
        PdfAusgabe ausgabe(pdf);
        Hauptfelder felder;
        EXPECT_THROW(rendere(felder, schlecht, false, ausgabe), EConvertError);
    }
    EXPECT_FALSE(pdf);
    PdfAusgabe ausgabe(pdf);
    Hauptfelder felder;
    const Text pfad = rendere(felder, gut, false, ausgabe);
    EXPECT_EQ(pfad, ordner + "/Beleg-RE-4711.pdf");
    EXPECT_EQ(felder.dateiname, "Beleg-RE-4711.pdf");
    const Pdf gelesen = lies(pfad);
    ASSERT_EQ(gelesen.seiten.size(), 1U);
    EXPECT_EQ(zaehle(gelesen, 1, "KAPUTT"), 0);
    pruefepositionen(rendereaufzeichnung(gut), gelesen);
    EXPECT_FALSE(fs::exists(ordner + "/Beleg-KAPUTT.pdf"));
}

}  // namespace
}  // namespace tolvek::test
