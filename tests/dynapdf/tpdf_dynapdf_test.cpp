// TPDF with the real dynapdf.dll, loaded by its bare name as the programs load it, driven with
// the calls the placement and the render run make; the PDF is read back with poppler.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "output/tpdf.h"
#include "tests/dynapdf/ordner.h"
#include "tests/dynapdf/pdflesen.h"

namespace tolvek {
namespace {

using test::Ordner;

constexpr double kToleranz = 0.5;  // points

struct Platzierung {
    int seite;  // 1-based
    std::u16string text;
    std::string utf8;
    double x;
    double y;  // baseline, upward from the bottom edge
    double groesse;
};

// Opens a document the way the first placement of a run does.
void beginne(TPDF& pdf) {
    pdf.CreateNewPDF("");
    pdf.Append();
    pdf.SetFont(u"Courier", 1280, 15.0, true, 2);
    pdf.SetPageFormat(1);
}

TEST(TPDFMitDynapdf, TwoPagesStandWhereTheyWereWrittenInTheEmbeddedArialSubstitute) {
    const std::u16string regel16(110, u'_');
    const std::string regel(110, '_');
    const std::vector<Platzierung> platzierungen = {
        {1, u"Müller", "Müller", 45, 760, 8},  {1, u"€", "€", 345, 786, 10},
        {1, regel16, regel, 30, 706, 8},       {1, u"Straße", "Straße", 420.5, 13.5, 7},
        {2, u"Straße", "Straße", 60, 800, 14}, {2, u"€", "€", 597 - 60, 100, 12},
        {2, regel16, regel, 0, -2 + 20, 8},
    };

    Ordner ordner;
    const std::string datei = ordner / "Beleg-4711.pdf";
    auto pdf = TPDF::Create("dynapdf.dll");
    EXPECT_FALSE(pdf->HaveOpenDoc());
    beginne(*pdf);
    EXPECT_TRUE(pdf->HaveOpenDoc());
    int seite = 1;
    for (const Platzierung& p : platzierungen) {
        if (p.seite != seite) {
            EXPECT_TRUE(pdf->EndPage());
            EXPECT_TRUE(pdf->Append());
            seite = p.seite;
        }
        EXPECT_GT(pdf->SetFont(u"Arial", 1280, p.groesse, true, 2), 0);
        EXPECT_TRUE(pdf->WriteText(p.x, p.y, p.text));
    }
    EXPECT_TRUE(pdf->EndPage());
    EXPECT_TRUE(pdf->OpenOutputFile(datei));
    EXPECT_TRUE(pdf->HaveOpenDoc());
    EXPECT_TRUE(pdf->CloseFile());
    EXPECT_FALSE(pdf->HaveOpenDoc());

    const test::Pdf gelesen = test::lies(datei);
    ASSERT_TRUE(gelesen.geladen);
    EXPECT_EQ(gelesen.meldungen, std::vector<std::string>{});
    ASSERT_EQ(gelesen.seiten.size(), 2u);
    for (const test::Seite& s : gelesen.seiten) {
        EXPECT_NEAR(s.breite, 595.28, 0.01);
        EXPECT_NEAR(s.hoehe, 841.89, 0.01);
    }

    const test::Schriftmass arial = test::schriftmass("Arial");
    for (const Platzierung& p : platzierungen) {
        SCOPED_TRACE(p.utf8.substr(0, 10) + " on page " + std::to_string(p.seite));
        const test::Seite& s = gelesen.seiten[static_cast<std::size_t>(p.seite - 1)];
        const double grundlinie = s.hoehe - p.y;  // from the top, as poppler measures
        int gefunden = 0;
        for (const test::Wort& w : s.woerter) {
            if (w.text == p.utf8 && std::fabs(w.links - p.x) <= kToleranz) {
                ++gefunden;
                EXPECT_NEAR(w.oben + arial.oberlaenge * p.groesse, grundlinie, kToleranz);
                EXPECT_NEAR(w.unten - arial.unterlaenge * p.groesse, grundlinie, kToleranz);
            }
        }
        EXPECT_EQ(gefunden, 1);
    }

    // Only fonts that reach a text are in the file: the substitute of Arial, as a subset.
    ASSERT_EQ(gelesen.schriften.size(), 1u);
    EXPECT_TRUE(gelesen.schriften[0].eingebettet);
    EXPECT_NE(gelesen.schriften[0].name.find("+" + arial.postscriptname), std::string::npos)
        << gelesen.schriften[0].name;

    EXPECT_EQ(gelesen.producer.rfind("Tolvek Kavrin ", 0), 0u) << gelesen.producer;
    EXPECT_EQ(gelesen.creator.rfind("Tolvek Kavrin ", 0), 0u) << gelesen.creator;
    EXPECT_TRUE(gelesen.erstellungsdatum);
}

TEST(TPDFMitDynapdf, CloseFileIntoAMissingFolderFailsCreatesNothingAndClosesTheDocument) {
    Ordner ordner;
    auto pdf = TPDF::Create("dynapdf.dll");
    beginne(*pdf);
    pdf->SetFont(u"Arial", 1280, 8, true, 2);
    pdf->WriteText(10, 10, u"x");
    pdf->EndPage();
    EXPECT_TRUE(pdf->OpenOutputFile(ordner / "fehlt/Beleg-1.pdf"));
    EXPECT_FALSE(pdf->CloseFile());
    EXPECT_FALSE(pdf->HaveOpenDoc());
    EXPECT_EQ(ordner.inhalt(), std::set<std::string>{});

    // The instance goes on: the next run starts a fresh document and can write it.
    beginne(*pdf);
    EXPECT_TRUE(pdf->HaveOpenDoc());
    pdf->EndPage();
    EXPECT_TRUE(pdf->OpenOutputFile(ordner / "Beleg-1.pdf"));
    EXPECT_TRUE(pdf->CloseFile());
    EXPECT_EQ(ordner.inhalt(), std::set<std::string>{"Beleg-1.pdf"});
    EXPECT_EQ(test::lies(ordner / "Beleg-1.pdf").seiten.size(), 1u);
}

}  // namespace
}  // namespace tolvek
