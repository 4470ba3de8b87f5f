// The inside of dynapdf.dll: UTF-16 to UTF-8, and the update that gives a finished PDF our
// document information.

#include <gtest/gtest.h>

#include <string>

#include "platform/dynapdf/dokumentinfo.h"
#include "platform/dynapdf/utf16.h"

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

}  // namespace
}  // namespace dynapdf
