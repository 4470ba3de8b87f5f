// The inside of dynapdf.dll: UTF-16 to UTF-8, and the update that gives a finished PDF our
// document information.

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>

#include "platform/dynapdf/dokumentinfo.h"
#include "platform/dynapdf/utf16.h"
#include "platform/dynapdf/zeiger.h"
#include "platform/dynapdf/zieldatei.h"
#include "tests/dynapdf/dateigrenze.h"
#include "tests/dynapdf/ordner.h"

namespace dynapdf {
namespace {

TEST(Utf8, ConvertsEveryRangeAndReplacesUnpairedSurrogates) {
    struct Fall {
        const char* name;
        std::u16string ein;
        std::string aus;
    };
    const Fall faelle[] = {
        {"empty", u"", ""},
        {"ASCII", u"Beleg-1", "Beleg-1"},
        {"two bytes", u"Müller Straße",
         "M\xC3\xBCller Stra\xC3\x9F"
         "e"},
        {"three bytes", u"€", "\xE2\x82\xAC"},
        {"surrogate pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
        {"high surrogate at the end", u"a\xD83D", "a\xEF\xBF\xBD"},
        {"low surrogate alone",
         u"\xDE00"
         u"b",
         "\xEF\xBF\xBD"
         "b"},
        {"two high surrogates", u"\xD83D\xD83D\xDE00", "\xEF\xBF\xBD\xF0\x9F\x98\x80"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(utf8(fall.ein), fall.aus);
    }
}

// The end of a PDF as cairo writes it; the real offsets do not matter to the update.
const std::string kEnde =
    "endobj\nxref\n0 14\n0000000000 65535 f \n"
    "trailer\n<< /Size 14\n   /Root 13 0 R\n   /Info 12 0 R\n>>\nstartxref\n6373\n%%EOF\n";

const Dokumentinfo kInfo{"Tolvek Kavrin 1 (x)", "Tolvek Kavrin", "D:20261211120000+01'00'"};

TEST(Infonachtrag, AddsANewInfoObjectWithItsOwnXrefSection) {
    const std::uint64_t laenge = 7000;
    const std::string nachtrag = infonachtrag(kEnde, laenge, kInfo);
    ASSERT_FALSE(nachtrag.empty());

    // The xref entry points at the object, startxref at the new xref section.
    const auto objekt = nachtrag.find("14 0 obj\n");
    ASSERT_NE(objekt, std::string::npos);
    EXPECT_NE(nachtrag.find("xref\n14 1\n" + std::to_string(laenge + objekt).insert(0, 6, '0') +
                            " 00000 n \n"),
              std::string::npos)
        << nachtrag;
    const auto xref = nachtrag.find("xref\n");
    EXPECT_NE(nachtrag.find("startxref\n" + std::to_string(laenge + xref) + "\n%%EOF\n"),
              std::string::npos);

    EXPECT_NE(nachtrag.find("/Producer (Tolvek Kavrin 1 \\(x\\))"), std::string::npos);
    EXPECT_NE(nachtrag.find("/CreationDate (D:20261211120000+01'00')"), std::string::npos);
    EXPECT_NE(nachtrag.find("/Size 15\n"), std::string::npos);
    EXPECT_NE(nachtrag.find("/Root 13 0 R\n"), std::string::npos);
    EXPECT_NE(nachtrag.find("/Info 14 0 R\n"), std::string::npos);
    EXPECT_NE(nachtrag.find("/Prev 6373\n"), std::string::npos);
    EXPECT_EQ(nachtrag.find("/ID"), std::string::npos);
}

TEST(Infonachtrag, KeepsTheIdAndGivesNothingForAnEndItCannotRead) {
    std::string mitid = kEnde;
    mitid.insert(mitid.find(">>\nstartxref"), "   /ID [<0A1B> <0A1B>]\n");
    EXPECT_NE(infonachtrag(mitid, 7000, kInfo).find("/ID [<0A1B> <0A1B>]\n"), std::string::npos);

    struct Fall {
        const char* name;
        std::string ende;
    };
    const Fall faelle[] = {
        {"no startxref", kEnde.substr(0, kEnde.find("startxref"))},
        {"no trailer", "xref\n0 1\n0000000000 65535 f \nstartxref\n6373\n%%EOF\n"},
        {"no /Root", "trailer\n<< /Size 14\n>>\nstartxref\n6373\n%%EOF\n"},
        {"no /Size", "trailer\n<< /Root 13 0 R\n>>\nstartxref\n6373\n%%EOF\n"},
        {"startxref without a number", "trailer\n<< /Size 14 /Root 1 0 R >>\nstartxref\n%%EOF\n"},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        EXPECT_EQ(infonachtrag(fall.ende, 7000, kInfo), "");
    }
}

std::string inhalt(const std::string& datei) {
    std::ifstream ein(datei, std::ios::binary);
    std::ostringstream aus;
    aus << ein.rdbuf();
    return aus.str();
}

TEST(Schreibeersetzend, TheTargetIsEitherTheWholeNewFileOrUntouched) {
    const std::string neu(200000, 'n');
    using Vorbereitung = std::function<void(const std::string& ziel)>;
    const Vorbereitung nichts = [](const std::string&) {};
    const Vorbereitung altedatei = [](const std::string& ziel) { std::ofstream(ziel) << "alt"; };
    const Vorbereitung ordnerstattdatei = [](const std::string& ziel) {
        std::filesystem::create_directory(ziel);
    };
    struct Fall {
        const char* name;
        std::string ziel;
        Vorbereitung vorbereitung;
        bool plattevoll;  // no file may grow past 64 KiB
        bool erfolg;
    };
    const Fall faelle[] = {
        {"new file", "Beleg.pdf", nichts, false, true},
        {"replaces an old file", "Beleg.pdf", altedatei, false, true},
        {"missing folder", "fehlt/Beleg.pdf", nichts, false, false},
        {"target is a folder", "Beleg.pdf", ordnerstattdatei, false, false},
        {"disk full", "Beleg.pdf", nichts, true, false},
        {"disk full, the old file stays", "Beleg.pdf", altedatei, true, false},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.name);
        tolvek::test::Ordner ordner;
        const std::string ziel = ordner / fall.ziel;
        fall.vorbereitung(ziel);
        const auto vorher = ordner.inhalt();
        const std::string alt = inhalt(ziel);

        Datei quelle(std::tmpfile());
        ASSERT_EQ(std::fwrite(neu.data(), 1, neu.size(), quelle.get()), neu.size());
        ASSERT_EQ(std::fflush(quelle.get()), 0);  // the limit is for the target alone
        bool ergebnis = false;
        if (fall.plattevoll) {
            tolvek::test::Dateigrenze grenze(64 * 1024);
            ergebnis = schreibeersetzend(quelle.get(), ziel);
        } else {
            ergebnis = schreibeersetzend(quelle.get(), ziel);
        }
        EXPECT_EQ(ergebnis, fall.erfolg);
        if (fall.erfolg) {
            EXPECT_EQ(inhalt(ziel), neu);
            EXPECT_EQ(ordner.inhalt(), std::set<std::string>{"Beleg.pdf"});
        } else {
            EXPECT_EQ(inhalt(ziel), alt);
            EXPECT_EQ(ordner.inhalt(), vorher);
        }
    }
}

}  // namespace
}  // namespace dynapdf
