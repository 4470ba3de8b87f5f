// dynapdf.dll through its C interface: the exports, the stages of a document and which calls
// each stage refuses, and writing the file (never a partial file under the final name).

#include "platform/dynapdf/dynapdf.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "tests/dateirechte.h"
#include "tests/dynapdf/dateigrenze.h"
#include "tests/dynapdf/ordner.h"

namespace {

using tolvek::test::Dateigrenze;
using tolvek::test::Ordner;

std::string inhalt(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream aus;
    aus << ein.rdbuf();
    return aus.str();
}

TEST(DynapdfExports, ExactlyTheElevenFunctions) {
    const std::string befehl = std::string(NM) + " -D --defined-only '" + DYNAPDF_DATEI + "'";
    FILE* nm = popen(befehl.c_str(), "r");
    ASSERT_NE(nm, nullptr);
    std::vector<std::string> namen;
    std::array<char, 512> zeile{};
    while (fgets(zeile.data(), zeile.size(), nm) != nullptr) {
        std::istringstream felder(zeile.data());
        std::string adresse, art, name;
        felder >> adresse >> art >> name;
        namen.push_back(name);
    }
    ASSERT_EQ(pclose(nm), 0);
    std::sort(namen.begin(), namen.end());
    const std::vector<std::string> erwartet = {
        "pdfAppend",   "pdfCloseFile",     "pdfCreateNewPDFA", "pdfDeletePDF",
        "pdfEndPage",  "pdfHaveOpenDoc",   "pdfNewPDF",        "pdfOpenOutputFileA",
        "pdfSetFontW", "pdfSetPageFormat", "pdfWriteTextW",
    };
    EXPECT_EQ(namen, erwartet);
}

// One instance for a test, deleted afterwards.
class Dynapdf : public testing::Test {
  protected:
    Dynapdf() : pdf_(pdfNewPDF()) {}
    ~Dynapdf() override { pdfDeletePDF(pdf_); }

    // A document with one page and a font, ready for texts.
    void seitemitschrift() {
        ASSERT_NE(pdfCreateNewPDFA(pdf_, ""), 0);
        ASSERT_NE(pdfAppend(pdf_), 0);
        ASSERT_NE(pdfSetFontW(pdf_, u"Arial", 1280, 8, -1, 2), 0);
        ASSERT_NE(pdfWriteTextW(pdf_, 100, 700, u"Rechnung"), 0);
    }

    dynapdf_instance* pdf_;
};

// A call and the result it must give at that point of a sequence.
struct Schritt {
    const char* name;
    std::function<int32_t(dynapdf_instance*)> aufruf;
    bool erfolg;
};

const auto create = [](dynapdf_instance* p) { return pdfCreateNewPDFA(p, ""); };
const auto append = [](dynapdf_instance* p) { return pdfAppend(p); };
const auto endpage = [](dynapdf_instance* p) { return pdfEndPage(p); };
const auto offen = [](dynapdf_instance* p) { return pdfHaveOpenDoc(p); };
const auto arial = [](dynapdf_instance* p) { return pdfSetFontW(p, u"Arial", 1280, 8, -1, 2); };
const auto text = [](dynapdf_instance* p) { return pdfWriteTextW(p, 10, 10, u"Text"); };
const auto format = [](dynapdf_instance* p) { return pdfSetPageFormat(p, 1); };
const auto ausgabe = [](dynapdf_instance* p) { return pdfOpenOutputFileA(p, "x.pdf"); };
const auto close = [](dynapdf_instance* p) { return pdfCloseFile(p); };

TEST_F(Dynapdf, EachStageAcceptsItsCallsAndRefusesCallsOutOfOrder) {
    struct Fall {
        const char* name;
        std::vector<Schritt> schritte;
    };
    const std::vector<Fall> faelle = {
        {"no document",
         {{"HaveOpenDoc", offen, false},
          {"Append", append, false},
          {"EndPage", endpage, false},
          {"SetFont", arial, false},
          {"SetPageFormat", format, false},
          {"WriteText", text, false},
          {"OpenOutputFile", ausgabe, false},
          {"CloseFile", close, false}}},
        {"document without a page",
         {{"CreateNewPDF", create, true},
          {"HaveOpenDoc", offen, true},
          {"CreateNewPDF again", create, false},
          {"SetFont", arial, true},
          {"SetPageFormat", format, true},
          {"WriteText", text, false},
          {"EndPage", endpage, false}}},
        {"page open",
         {{"CreateNewPDF", create, true},
          {"Append", append, true},
          {"Append again", append, false},
          {"WriteText before any font", text, false},
          {"SetFont", arial, true},
          {"WriteText", text, true},
          {"SetPageFormat after a text", format, true},
          {"EndPage", endpage, true},
          {"EndPage again", endpage, false},
          {"WriteText between pages", text, false},
          {"Append", append, true},
          {"WriteText in the font of the page before", text, true}}},
        {"closed without a file name, then a new document",
         {{"CreateNewPDF", create, true},
          {"Append", append, true},
          {"CloseFile without a file", close, false},
          {"HaveOpenDoc", offen, false},
          {"WriteText", text, false},
          {"CreateNewPDF", create, true},
          {"HaveOpenDoc", offen, true},
          {"Append", append, true},
          {"WriteText without a font of this document", text, false}}},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        dynapdf_instance* pdf = pdfNewPDF();
        ASSERT_NE(pdf, nullptr);
        for (const Schritt& s : fall.schritte) {
            SCOPED_TRACE(s.name);
            EXPECT_EQ(s.aufruf(pdf) != 0, s.erfolg);
        }
        EXPECT_NE(pdfDeletePDF(pdf), 0);
    }
}

TEST_F(Dynapdf, RefusesInvalidArgumentsAndStaysUsable) {
    seitemitschrift();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Fall {
        const char* name;
        std::function<int32_t()> aufruf;
    };
    const std::vector<Fall> faelle = {
        {"no font name", [&] { return pdfSetFontW(pdf_, nullptr, 1280, 8, -1, 2); }},
        {"empty font name", [&] { return pdfSetFontW(pdf_, u"", 1280, 8, -1, 2); }},
        {"unknown style", [&] { return pdfSetFontW(pdf_, u"Arial", 0, 8, -1, 2); }},
        {"unknown code page", [&] { return pdfSetFontW(pdf_, u"Arial", 1280, 8, -1, 0); }},
        {"size 0", [&] { return pdfSetFontW(pdf_, u"Arial", 1280, 0, -1, 2); }},
        {"negative size", [&] { return pdfSetFontW(pdf_, u"Arial", 1280, -8, -1, 2); }},
        {"size NaN", [&] { return pdfSetFontW(pdf_, u"Arial", 1280, nan, -1, 2); }},
        {"unknown page format", [&] { return pdfSetPageFormat(pdf_, 2); }},
        {"no text", [&] { return pdfWriteTextW(pdf_, 10, 10, nullptr); }},
        {"x NaN", [&] { return pdfWriteTextW(pdf_, nan, 10, u"a"); }},
        {"y infinite", [&] { return pdfWriteTextW(pdf_, 10, -inf, u"a"); }},
        {"x far off the page", [&] { return pdfWriteTextW(pdf_, 1e9, 10, u"a"); }},
        {"no file name", [&] { return pdfOpenOutputFileA(pdf_, nullptr); }},
        {"empty file name", [&] { return pdfOpenOutputFileA(pdf_, ""); }},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(fall.aufruf(), 0);
        EXPECT_NE(pdfWriteTextW(pdf_, 100, 600, u"noch da"), 0);
    }
    // Unpaired surrogates are no reason to refuse a text.
    EXPECT_NE(pdfWriteTextW(pdf_, 100, 500,
                            u"a\xD800"
                            u"b\xDC00"),
              0);
    EXPECT_NE(pdfWriteTextW(pdf_, 100, 500, u""), 0);
}

TEST(DynapdfNull, EveryFunctionRefusesANullInstance) {
    EXPECT_EQ(pdfDeletePDF(nullptr), 0);
    EXPECT_EQ(pdfCreateNewPDFA(nullptr, ""), 0);
    EXPECT_EQ(pdfHaveOpenDoc(nullptr), 0);
    EXPECT_EQ(pdfAppend(nullptr), 0);
    EXPECT_EQ(pdfEndPage(nullptr), 0);
    EXPECT_EQ(pdfSetPageFormat(nullptr, 1), 0);
    EXPECT_EQ(pdfSetFontW(nullptr, u"Arial", 1280, 8, -1, 2), 0);
    EXPECT_EQ(pdfWriteTextW(nullptr, 1, 1, u"a"), 0);
    EXPECT_EQ(pdfOpenOutputFileA(nullptr, "a.pdf"), 0);
    EXPECT_EQ(pdfCloseFile(nullptr), 0);
}

TEST_F(Dynapdf, SetFontNumbersEachFamilyOnce) {
    seitemitschrift();
    const int32_t arial = pdfSetFontW(pdf_, u"Arial", 1280, 8, -1, 2);
    const int32_t courier = pdfSetFontW(pdf_, u"Courier", 1280, 15, 0, 2);
    EXPECT_GT(arial, 0);
    EXPECT_GT(courier, 0);
    EXPECT_NE(arial, courier);
    EXPECT_EQ(pdfSetFontW(pdf_, u"Arial", 1280, 12, 0, 2), arial);
}

TEST_F(Dynapdf, CloseFileThatCannotWriteReturns0AndLeavesNothingUnderTheName) {
    using Vorbereitung = std::function<void(const std::string& ziel)>;
    const Vorbereitung nichts = [](const std::string&) {};
    const Vorbereitung altedatei = [](const std::string& ziel) { std::ofstream(ziel) << "alt"; };
    const Vorbereitung ordnerstattdatei = [](const std::string& ziel) {
        std::filesystem::create_directory(ziel);
    };
    const Vorbereitung nurlesen = [](const std::string& ziel) {
        const auto ordner = std::filesystem::path(ziel).parent_path();
        std::filesystem::create_directory(ordner);
        std::filesystem::permissions(
            ordner, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
    };
    struct Fall {
        const char* name;
        std::string ziel;  // in the test's folder
        Vorbereitung vorbereitung;
        bool plattevoll;
    };
    std::vector<Fall> faelle = {
        {"missing folder", "fehlt/Beleg.pdf", nichts, false},
        {"target is a folder", "Beleg.pdf", ordnerstattdatei, false},
        {"disk full while finishing", "Beleg.pdf", nichts, true},
        {"disk full, the old file stays", "Beleg.pdf", altedatei, true},
    };
    // The superuser may write anywhere, so only where permissions bind can a permission fail show.
    if (tolvek::test::dateirechtegelten()) {
        faelle.push_back({"no permission", "nurlesen/Beleg.pdf", nurlesen, false});
    }
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Ordner ordner;
        const std::string ziel = ordner / fall.ziel;
        fall.vorbereitung(ziel);
        const bool altvorhanden = std::filesystem::is_regular_file(ziel);
        const std::set<std::string> vorher = ordner.inhalt();

        dynapdf_instance* pdf = pdfNewPDF();
        ASSERT_NE(pdfCreateNewPDFA(pdf, ""), 0);
        ASSERT_NE(pdfAppend(pdf), 0);
        ASSERT_NE(pdfSetFontW(pdf, u"Arial", 1280, 8, -1, 2), 0);
        ASSERT_NE(pdfWriteTextW(pdf, 100, 700, u"Rechnung"), 0);
        ASSERT_NE(pdfOpenOutputFileA(pdf, ziel.c_str()), 0);
        int32_t ergebnis = 0;
        if (fall.plattevoll) {
            Dateigrenze grenze(100);
            ergebnis = pdfCloseFile(pdf);
        } else {
            ergebnis = pdfCloseFile(pdf);
        }
        EXPECT_EQ(ergebnis, 0);
        EXPECT_EQ(pdfHaveOpenDoc(pdf), 0);
        EXPECT_EQ(ordner.inhalt(), vorher);
        if (altvorhanden) {
            EXPECT_EQ(inhalt(ziel), "alt");
        }
        pdfDeletePDF(pdf);
    }
}

TEST_F(Dynapdf, CloseFileReplacesAnOldFileWhole) {
    Ordner ordner;
    const std::string ziel = ordner / "Beleg.pdf";
    std::ofstream(ziel) << std::string(100000, 'x');
    seitemitschrift();
    ASSERT_NE(pdfOpenOutputFileA(pdf_, ziel.c_str()), 0);
    EXPECT_NE(pdfCloseFile(pdf_), 0);
    EXPECT_EQ(ordner.inhalt(), std::set<std::string>{"Beleg.pdf"});
    const std::string pdf = inhalt(ziel);
    EXPECT_EQ(pdf.rfind("%PDF-", 0), 0u);
    EXPECT_EQ(pdf.find("xxxx"), std::string::npos);
    EXPECT_EQ(pdf.substr(pdf.size() - 6), "%%EOF\n");
}

TEST_F(Dynapdf, DeletePDFDropsAnUnfinishedDocumentWithoutWritingIt) {
    Ordner ordner;
    const std::string ziel = ordner / "Beleg.pdf";
    ASSERT_NE(pdfCreateNewPDFA(pdf_, ziel.c_str()), 0);
    ASSERT_NE(pdfAppend(pdf_), 0);
    ASSERT_NE(pdfSetFontW(pdf_, u"Arial", 1280, 8, -1, 2), 0);
    ASSERT_NE(pdfWriteTextW(pdf_, 100, 700, u"Rechnung"), 0);
    ASSERT_NE(pdfEndPage(pdf_), 0);
    ASSERT_NE(pdfAppend(pdf_), 0);
    EXPECT_NE(pdfDeletePDF(pdf_), 0);
    pdf_ = nullptr;
    EXPECT_EQ(ordner.inhalt(), std::set<std::string>{});
}

}  // namespace
