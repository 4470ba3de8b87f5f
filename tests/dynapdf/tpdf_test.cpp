// TPDF against small fake libraries: the messages of a failed Create, the entry slots, and the
// conversions of arguments and results.

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "output/tpdf.h"
#include "tests/dynapdf/fakes/aufzeichnung.h"
#include "text/fehler.h"

namespace tolvek {
namespace {

// Whether the library at path is loaded in this process (RTLD_NOLOAD loads nothing).
bool geladen(const char* path) {
    void* h = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (h != nullptr) {
        dlclose(h);
    }
    return h != nullptr;
}

// The message of the Exception that f raises, or "" when it raises none.
template <typename F>
std::string meldung(F f) {
    try {
        f();
    } catch (const Exception& e) {
        return e.what();
    }
    return "";
}

// Keeps a fake loaded beside the TPDF object so the test can read what it recorded, also
// after the object is gone.
class Fake {
  public:
    explicit Fake(const char* path) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
    ~Fake() {
        if (handle_ != nullptr) {
            dlclose(handle_);
        }
    }
    Fake(const Fake&) = delete;
    Fake& operator=(const Fake&) = delete;

    template <typename T>
    T funktion(const char* name) const {
        return reinterpret_cast<T>(dlsym(handle_, name));
    }

  private:
    void* handle_;
};

TEST(TPDFCreate, FailuresGiveTheirMessageAndLeaveNothingLoaded) {
    struct Fall {
        const char* name;
        std::string bibliothek;
        std::string erwartet;
    };
    const Fall faelle[] = {
        {"no such file", "fehlt/dynapdf.dll", "Error: Cannot find fehlt/dynapdf.dll"},
        {"bare name not on the search path", "nirgends.dll", "Error: Cannot find nirgends.dll"},
        {"a file that is no library", KEINE_BIBLIOTHEK,
         std::string("Error: Cannot find ") + KEINE_BIBLIOTHEK},
        {"no pdfNewPDF", FAKE_ohne_newpdf, "Error loading function: pdfNewPDF"},
        {"pdfNewPDF gives null", FAKE_newpdf_null, "Out of memory!"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        std::unique_ptr<TPDF> pdf;
        EXPECT_EQ(meldung([&] { pdf = TPDF::Create(fall.bibliothek); }), fall.erwartet);
        EXPECT_EQ(pdf, nullptr);
        EXPECT_FALSE(geladen(fall.bibliothek.c_str()));
    }
}

TEST(TPDFLoadFunction, MissingExportFailsAtEachUseAndLeavesTheRestWorking) {
    auto pdf = TPDF::Create(FAKE_ohne_endpage);
    const std::string erwartet = "Error loading function: \"pdfEndPage\"";
    EXPECT_EQ(meldung([&] { pdf->EndPage(); }), erwartet);
    EXPECT_TRUE(pdf->Append());
    EXPECT_EQ(meldung([&] { pdf->EndPage(); }), erwartet);
    EXPECT_TRUE(pdf->HaveOpenDoc());
    EXPECT_TRUE(pdf->WriteText(1, 2, u"x"));
}

TEST(TPDFLoadFunction, LooksAnExportUpOnceAndAMissingOneAgainEachTime) {
    Fake fake(FAKE_zaehlend);
    auto suchen = fake.funktion<int32_t (*)(int)>("fakeSuchen");
    ASSERT_NE(suchen, nullptr);
    const int32_t append = suchen(0);
    const int32_t endpage = suchen(1);

    auto pdf = TPDF::Create(FAKE_zaehlend);
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(pdf->Append());
        EXPECT_THROW(pdf->EndPage(), Exception);
    }
    EXPECT_EQ(suchen(0) - append, 1);
    EXPECT_EQ(suchen(1) - endpage, 3);
}

class TPDFAufzeichnend : public testing::Test {
  protected:
    TPDFAufzeichnend()
        : fake_(FAKE_aufzeichnend),
          a_(*fake_.funktion<fake_aufzeichnung* (*)()>("fakeAufzeichnung")()),
          pdf_(TPDF::Create(FAKE_aufzeichnend)) {
        a_.ergebnis = -5;
    }

    Fake fake_;
    fake_aufzeichnung& a_;
    std::unique_ptr<TPDF> pdf_;
};

TEST_F(TPDFAufzeichnend, HandsOverTheArgumentsAsTheLibraryTakesThem) {
    EXPECT_TRUE(pdf_->CreateNewPDF(""));
    EXPECT_EQ(a_.dateiname_null, 0);
    EXPECT_STREQ(a_.dateiname, "");

    EXPECT_TRUE(pdf_->OpenOutputFile("/ordner/Beleg-1.pdf"));
    EXPECT_STREQ(a_.dateiname, "/ordner/Beleg-1.pdf");

    EXPECT_EQ(pdf_->SetFont(u"Arial", 1280, 10.5, true, 2), -5);
    EXPECT_EQ(std::u16string(a_.utf16), u"Arial");
    EXPECT_EQ(a_.stil, 1280);
    EXPECT_EQ(a_.groesse, 10.5);
    EXPECT_EQ(a_.einbetten, -1);
    EXPECT_EQ(a_.codepage, 2);
    EXPECT_EQ(pdf_->SetFont(u"", 1280, 15.0, false, 2), -5);
    EXPECT_EQ(a_.einbetten, 0);
    EXPECT_EQ(a_.utf16_null, 0);
    EXPECT_EQ(std::u16string(a_.utf16), u"");

    EXPECT_TRUE(pdf_->WriteText(345.0, -2.0, u"Müller € Straße"));
    EXPECT_EQ(a_.x, 345.0);
    EXPECT_EQ(a_.y, -2.0);
    EXPECT_EQ(std::u16string(a_.utf16), u"Müller € Straße");
    EXPECT_TRUE(pdf_->WriteText(0, 0, u""));
    EXPECT_EQ(a_.utf16_null, 0);

    EXPECT_TRUE(pdf_->SetPageFormat(1));
    EXPECT_EQ(a_.format, 1);
}

TEST_F(TPDFAufzeichnend, BooleanIsAnyNonZeroResultAndSetFontPassesItOn) {
    struct Fall {
        int32_t ergebnis;
        bool boolean;
    };
    for (const Fall fall : {Fall{-5, true}, Fall{0, false}, Fall{1, true}, Fall{INT32_MIN, true},
                            Fall{INT32_MAX, true}}) {
        SCOPED_TRACE(fall.ergebnis);
        a_.ergebnis = fall.ergebnis;
        EXPECT_EQ(pdf_->Append(), fall.boolean);
        EXPECT_EQ(pdf_->CloseFile(), fall.boolean);
        EXPECT_EQ(pdf_->CreateNewPDF(""), fall.boolean);
        EXPECT_EQ(pdf_->EndPage(), fall.boolean);
        EXPECT_EQ(pdf_->HaveOpenDoc(), fall.boolean);
        EXPECT_EQ(pdf_->OpenOutputFile("a.pdf"), fall.boolean);
        EXPECT_EQ(pdf_->SetPageFormat(1), fall.boolean);
        EXPECT_EQ(pdf_->WriteText(1, 1, u"a"), fall.boolean);
        EXPECT_EQ(pdf_->SetFont(u"Arial", 1280, 8, true, 2), fall.ergebnis);
    }
}

TEST(TPDFDestroy, DeletesTheInstanceEveryCallGotAndUnloads) {
    {
        Fake fake(FAKE_aufzeichnend);
        fake_aufzeichnung& a = *fake.funktion<fake_aufzeichnung* (*)()>("fakeAufzeichnung")();
        auto pdf = TPDF::Create(FAKE_aufzeichnend);
        pdf->Append();
        const void* instanz = a.instanz;
        ASSERT_NE(instanz, nullptr);
        pdf->WriteText(1, 1, u"a");
        EXPECT_EQ(a.instanz, instanz);
        const int32_t aufrufe = a.aufrufe;

        pdf.reset();
        EXPECT_EQ(a.geloescht, instanz);
        EXPECT_EQ(a.aufrufe, aufrufe + 1);
    }
    // With the test's own handle gone, nothing may keep the fake loaded.
    EXPECT_FALSE(geladen(FAKE_aufzeichnend));
}

}  // namespace
}  // namespace tolvek
