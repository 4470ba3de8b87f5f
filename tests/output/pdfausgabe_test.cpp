// The PDF sink against a library that logs every call: the set-up, the coordinates, the font
// call on every placement, page switches, the completion and discarding a document.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "output/pdfausgabe.h"
#include "output/tpdf.h"
#include "text/fehler.h"

namespace tolvek::test {
namespace {

// The logging library, opened by the test too so that its log can be read and reset; the
// sink loads the same file, so both see one copy of it.
class Protokoll {
  public:
    Protokoll() : handle_(dlopen(FAKE_PROTOKOLL, RTLD_NOW)) {
        if (handle_ == nullptr) {
            throw std::runtime_error(dlerror());
        }
        lesen_ = reinterpret_cast<const char* (*)()>(dlsym(handle_, "fakeProtokoll"));
        leeren_ = reinterpret_cast<void (*)()>(dlsym(handle_, "fakeLeeren"));
        close_ = reinterpret_cast<void (*)(int)>(dlsym(handle_, "fakeCloseErgebnis"));
        leeren_();
        close_(1);
    }
    ~Protokoll() { dlclose(handle_); }
    Protokoll(const Protokoll&) = delete;
    Protokoll& operator=(const Protokoll&) = delete;

    // The calls since the last look, one per element.
    std::vector<std::string> neu() {
        std::vector<std::string> zeilen;
        std::string rest = lesen_();
        leeren_();
        for (std::size_t p; (p = rest.find('\n')) != std::string::npos; rest.erase(0, p + 1)) {
            zeilen.push_back(rest.substr(0, p));
        }
        return zeilen;
    }
    void closeergebnis(int e) { close_(e); }

  private:
    void* handle_;
    const char* (*lesen_)() = nullptr;
    void (*leeren_)() = nullptr;
    void (*close_)(int) = nullptr;
};

using Zeilen = std::vector<std::string>;

TEST(PdfAusgabe, Koordinaten) {
    struct Fall {
        int mm;
        double y;
    };
    // 2.7 * y rounded with halves to even: 40.5 -> 40, 13.5 -> 14, 67.5 -> 68, 94.5 -> 94.
    for (const Fall& f : std::vector<Fall>{{0, 800},
                                           {5, 786},
                                           {10, 773},
                                           {15, 760},
                                           {25, 732},
                                           {35, 706},
                                           {45, 678},
                                           {109, 506},
                                           {270, 71},
                                           {297, -2},
                                           {-5, 814}}) {
        EXPECT_EQ(PdfAusgabe::pdfy(f.mm), f.y) << "y = " << f.mm;
    }
    for (const auto& [mm, x] :
         std::vector<std::pair<int, double>>{{0, 0}, {115, 345}, {200, 600}}) {
        EXPECT_EQ(PdfAusgabe::pdfx(mm), x) << "x = " << mm;
    }
}

TEST(PdfAusgabe, AufrufeEinesLaufs) {
    Protokoll log;
    std::unique_ptr<TPDF> pdf;
    PdfAusgabe ausgabe(pdf, FAKE_PROTOKOLL);

    ausgabe.drucke(115, 15, "Rechnungsnummer:", "Arial", 8);
    ASSERT_TRUE(pdf);
    EXPECT_EQ(log.neu(), (Zeilen{
                             "NewPDF",
                             "HaveOpenDoc false",
                             "CreateNewPDF ''",
                             "Append",
                             "SetFont Courier 1280 15 -1 2",
                             "SetPageFormat 1",
                             "SetFont Arial 1280 8 -1 2",
                             "WriteText 345 760 'Rechnungsnummer:'",
                         }));
    // Later placements set the font again and write; the text is normalised and converted.
    ausgabe.drucke(20, 5, "M\xC3\xBCller &amp; S\xF6hne \xE2\x82\xAC", "Arial", 14);
    ausgabe.drucke(0, 0, "", "Arial", 8);
    EXPECT_EQ(log.neu(), (Zeilen{
                             "HaveOpenDoc true",
                             "SetFont Arial 1280 14 -1 2",
                             "WriteText 60 786 'M\xC3\xBCller & S\xC3\xB6hne \xE2\x82\xAC'",
                             "HaveOpenDoc true",
                             "SetFont Arial 1280 8 -1 2",
                             "WriteText 0 800 ''",
                         }));
    ausgabe.neueseite();
    EXPECT_EQ(log.neu(), (Zeilen{"EndPage", "Append"}));

    EXPECT_EQ(ausgabe.abschliessen("/tmp/Beleg-1.pdf"), "/tmp/Beleg-1.pdf");
    EXPECT_EQ(log.neu(), (Zeilen{"EndPage", "OpenOutputFile '/tmp/Beleg-1.pdf'", "CloseFile"}));

    // The next run keeps the object and starts a fresh document with the same set-up.
    PdfAusgabe naechste(pdf, FAKE_PROTOKOLL);
    naechste.drucke(20, 25, "x", "Arial", 10);
    EXPECT_EQ(log.neu(), (Zeilen{
                             "HaveOpenDoc false",
                             "CreateNewPDF ''",
                             "Append",
                             "SetFont Courier 1280 15 -1 2",
                             "SetPageFormat 1",
                             "SetFont Arial 1280 10 -1 2",
                             "WriteText 60 732 'x'",
                         }));
    naechste.verwerfen();
    EXPECT_FALSE(pdf);
    EXPECT_EQ(log.neu(), (Zeilen{"DeletePDF"}));
}

// A document the library did not write is an error, and the failed run's document is dropped
// so that the next run begins a new one.
TEST(PdfAusgabe, NichtGeschriebeneDatei) {
    Protokoll log;
    std::unique_ptr<TPDF> pdf;
    PdfAusgabe ausgabe(pdf, FAKE_PROTOKOLL);
    ausgabe.drucke(20, 5, "a", "Arial", 8);
    log.neu();
    log.closeergebnis(0);
    try {
        ausgabe.abschliessen("/nirgends/Beleg-7.pdf");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_STREQ(e.what(),
                     "Die PDF-Datei konnte nicht geschrieben werden: /nirgends/Beleg-7.pdf");
    }
    EXPECT_EQ(log.neu(),
              (Zeilen{"EndPage", "OpenOutputFile '/nirgends/Beleg-7.pdf'", "CloseFile"}));
    ausgabe.verwerfen();
    EXPECT_FALSE(pdf);
    EXPECT_EQ(log.neu(), (Zeilen{"DeletePDF"}));

    log.closeergebnis(1);
    PdfAusgabe naechste(pdf, FAKE_PROTOKOLL);
    naechste.drucke(20, 5, "b", "Arial", 8);
    const Zeilen z = log.neu();
    ASSERT_GE(z.size(), 3U);
    EXPECT_EQ(z[0], "NewPDF");
    EXPECT_EQ(z[1], "HaveOpenDoc false");
    EXPECT_EQ(z[2], "CreateNewPDF ''");
}

// A sink that placed nothing leaves an object of an earlier run alone.
TEST(PdfAusgabe, VerwerfenOhnePlatzierung) {
    Protokoll log;
    std::unique_ptr<TPDF> pdf = TPDF::Create(FAKE_PROTOKOLL);
    PdfAusgabe ausgabe(pdf, FAKE_PROTOKOLL);
    ausgabe.verwerfen();
    EXPECT_TRUE(pdf);
    log.neu();
    ausgabe.neueseite();  // no document of this run: still only the library's page calls
    EXPECT_EQ(log.neu(), (Zeilen{"EndPage", "Append"}));
}

TEST(PdfAusgabe, BibliothekFehlt) {
    std::unique_ptr<TPDF> pdf;
    PdfAusgabe ausgabe(pdf, "tolvek-gibt-es-nicht.dll");
    for (int versuch = 0; versuch < 2; ++versuch) {
        try {
            ausgabe.drucke(20, 5, "a", "Arial", 8);
            FAIL() << "no error";
        } catch (const Exception& e) {
            EXPECT_STREQ(e.what(), "Error: Cannot find tolvek-gibt-es-nicht.dll");
        }
        EXPECT_FALSE(pdf);
    }
    ausgabe.verwerfen();
    EXPECT_FALSE(pdf);
}

}  // namespace
}  // namespace tolvek::test
