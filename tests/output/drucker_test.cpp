// The printer sink through Qt's printer writing a PDF file (offscreen), read back: the pixel
// positions at several resolutions, page feeds, and a failed run's job.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPageSize>
#include <QPrinter>

#include <cmath>
#include <filesystem>
#include <string>

#include "layout/renderlauf.h"
#include "output/druckerausgabe.h"
#include "pdfpruefung.h"
#include "tests/layout/rechnungen.h"
#include "text/fehler.h"
#include "text/zahlen.h"

namespace tolvek::test {
namespace {

namespace fs = std::filesystem;

TEST(Drucker, PixelProMillimeter) {
    for (const auto& [dpi, px] : std::vector<std::pair<int, int>>{
             {72, 3}, {96, 4}, {150, 6}, {300, 12}, {360, 14}, {600, 24}, {720, 28}, {1200, 47}}) {
        EXPECT_EQ(DruckerAusgabe::pixelpromm(dpi), px) << dpi << " dpi";
    }
}

// A printer that writes a PDF file instead of printing, at the given resolution, the paper's
// corner as the painter's origin.
void richteein(QPrinter& drucker, const std::string& datei, int dpi) {
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(QString::fromStdString(datei));
    drucker.setPageSize(QPageSize(QPageSize::A4));
    drucker.setFullPage(true);
    drucker.setResolution(dpi);
}

// Every visible placement: left end at x * px/mm pixels, the top of its cell at y * px/mm, so
// its baseline one ascent lower.
void pruefedruck(const Aufzeichnung& erwartet, const Pdf& pdf, QPrinter& drucker, int dpi) {
    const double pxmm = DruckerAusgabe::pixelpromm(dpi);
    const double ptpx = 72.0 / dpi;
    int geprueft = 0;
    for (const Platzierung& p : erwartet.platzierungen()) {
        const std::string text = utf8(p.text);
        const std::string wort = text.substr(0, text.find(' '));
        if (wort.empty()) {
            continue;
        }
        QFont schrift(QString::fromStdString(p.schriftart));
        schrift.setPointSize(p.groesse);
        const int oberlaenge = QFontMetrics(schrift, &drucker).ascent();
        const double x = p.x * pxmm * ptpx;
        const double y = (p.y * pxmm + oberlaenge) * ptpx;
        const Seite& seite = pdf.seiten.at(static_cast<std::size_t>(p.seite - 1));
        bool gefunden = false;
        for (const Wort& w : seite.woerter) {
            if (w.text == wort && std::abs(w.links - x) <= 0.5 &&
                std::abs(grundlinie(w, p.groesse) - y) <= 0.5) {
                gefunden = true;
                break;
            }
        }
        EXPECT_TRUE(gefunden) << "page " << p.seite << ": '" << text << "' expected at " << x
                              << ", baseline " << y;
        ++geprueft;
    }
    EXPECT_GT(geprueft, 40);
}

TEST(Drucker, PositionenBeiJederAufloesung) {
    const std::string ordner = scratchordner();
    setdecimalseparator(',');
    Rechnung r = Rechnung::mitposten(17);
    const Text rechnung = schreibe(ordner, "r.xml", r.xml());
    const Aufzeichnung erwartet = rendereaufzeichnung(rechnung);
    for (int dpi : {300, 600, 1200}) {
        SCOPED_TRACE(std::to_string(dpi) + " dpi");
        const std::string datei = ordner + "/druck-" + std::to_string(dpi) + ".pdf";
        QPrinter drucker(QPrinter::HighResolution);
        richteein(drucker, datei, dpi);
        ASSERT_EQ(drucker.logicalDpiX(), dpi);
        DruckerAusgabe ausgabe(drucker);
        Hauptfelder felder;
        EXPECT_EQ(rendere(felder, rechnung, false, ausgabe), "");
        EXPECT_FALSE(ausgabe.jobaktiv());
        EXPECT_EQ(felder.dateiname, rechnung);  // no PDF name for printer output

        const Pdf pdf = lies(datei);
        ASSERT_TRUE(pdf.geladen);
        ASSERT_EQ(pdf.seiten.size(), 2U);  // one page feed for 17 items
        // The family set on every placement: "Arial" resolves to Liberation Sans.
        ASSERT_FALSE(pdf.schriften.empty());
        for (const Schriftangabe& s : pdf.schriften) {
            EXPECT_NE(s.name.find("LiberationSans"), std::string::npos) << s.name;
        }
        pruefedruck(erwartet, pdf, drucker, dpi);
    }
}

// The spot the placement primitive's own example names: (115, 15) at 600 dpi is pixel
// (2760, 360), at 300 dpi (1380, 180).
TEST(Drucker, EinzelnePlatzierung) {
    const std::string ordner = scratchordner();
    for (int dpi : {300, 600}) {
        const std::string datei = ordner + "/eins.pdf";
        QPrinter drucker(QPrinter::HighResolution);
        richteein(drucker, datei, dpi);
        {
            DruckerAusgabe ausgabe(drucker);
            ausgabe.drucke(115, 15, "Rechnungsnummer:", "Arial", 8);
            EXPECT_EQ(ausgabe.seiten(), 1);
            EXPECT_EQ(ausgabe.abschliessen(""), "");
            EXPECT_FALSE(ausgabe.jobaktiv());
        }
        const Pdf pdf = lies(datei);
        ASSERT_EQ(pdf.seiten.size(), 1U);
        ASSERT_EQ(pdf.seiten[0].woerter.size(), 1U);
        const double px = dpi == 600 ? 2760 : 1380;
        EXPECT_NEAR(pdf.seiten[0].woerter[0].links, px * 72.0 / dpi, 0.5);
    }
}

// A run that fails sends nothing to the printer, and the next run prints its own invoice alone
// (M4).
TEST(Drucker, FehlgeschlagenerLaufBrichtAb) {
    const std::string ordner = scratchordner();
    setdecimalseparator(',');
    Rechnung kaputt = Rechnung::mitposten(3);
    kaputt.posten[2].betrag = "x";
    const Text rechnung = schreibe(ordner, "k.xml", kaputt.xml());
    QPrinter drucker(QPrinter::HighResolution);
    richteein(drucker, ordner + "/abbruch.pdf", 300);
    DruckerAusgabe ausgabe(drucker);
    Hauptfelder felder;
    EXPECT_THROW(rendere(felder, rechnung, false, ausgabe), EConvertError);
    EXPECT_FALSE(ausgabe.jobaktiv());
    EXPECT_EQ(ausgabe.seiten(), 0);
    EXPECT_FALSE(fs::exists(ordner + "/abbruch.pdf"));

    // The next run on the same printer prints its own invoice alone.
    const std::string datei = ordner + "/danach.pdf";
    drucker.setOutputFileName(QString::fromStdString(datei));
    const Text gut = schreibe(ordner, "g.xml", Rechnung::mitposten(1).xml());
    EXPECT_EQ(rendere(felder, gut, false, ausgabe), "");
    const Pdf pdf = lies(datei);
    ASSERT_EQ(pdf.seiten.size(), 1U);
    EXPECT_EQ(zaehle(pdf, 1, "3"), 0);  // the failed invoice's third item is not there
    EXPECT_EQ(zaehle(pdf, 1, "Nettosumme"), 1);
}

}  // namespace
}  // namespace tolvek::test

int main(int argc, char** argv) {
    // Printing needs fonts and a platform, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
