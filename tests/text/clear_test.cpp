// Output normalisation: UTF-8 and character references to Windows-1252, and Windows-1252 to
// UTF-16 for the sinks.

#include <gtest/gtest.h>

#include <string>

#include "text/clear.h"

namespace tolvek {
namespace {

using namespace std::string_literals;

struct Fall {
    const char* name;
    Text ein;
    Text aus;
};

TEST(Clear, Utf8BecomesWindows1252) {
    const Fall faelle[] = {
        {"Müller", "M\xC3\xBCller", "M\xFCller"},
        {"euro sign", "\xE2\x82\xAC", "\x80"},
        {"umlauts and sharp s", "\xC3\xA4\xC3\xB6\xC3\xBC\xC3\x84\xC3\x96\xC3\x9C\xC3\x9F",
         "\xE4\xF6\xFC\xC4\xD6\xDC\xDF"},
        {"German quotation marks",
         "\xE2\x80\x9E"
         "Ja\xE2\x80\x9C",
         "\x84"
         "Ja\x93"},
        {"ellipsis and dashes",
         "a\xE2\x80\xA6 b\xE2\x80\x93"
         "c\xE2\x80\x94",
         "a\x85 b\x96"
         "c\x97"},
        {"no-break space", "1\xC2\xA0kg", "1\xA0kg"},
        {"e with diaeresis, n with tilde, a with ring", "\xC3\xAB\xC3\xB1\xC3\xA5", "\xEB\xF1\xE5"},
        {"trade mark, per mille, bullet", "\xE2\x84\xA2\xE2\x80\xB0\xE2\x80\xA2", "\x99\x89\x95"},
        {"S caron, OE, Y diaeresis, f hook", "\xC5\xA0\xC5\x92\xC5\xB8\xC6\x92",
         "\x8A\x8C\x9F\x83"},
        {"micro, superscript two, not sign", "\xC2\xB5\xC2\xB2\xC2\xAC", "\xB5\xB2\xAC"},
        {"Windows-1252 text holding a byte pair", "\xC3\xA4", "\xE4"},
        {"plain ASCII", "Rechnung Nr. 5: 19,00", "Rechnung Nr. 5: 19,00"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(clear(f.ein), f.aus);
    }
}

TEST(Clear, WhatWindows1252LacksPassesUnchanged) {
    const Fall faelle[] = {
        {"lone lead byte", "\xC3", "\xC3"},
        {"lead byte and ASCII", "\xC3x", "\xC3x"},
        {"sequence cut at the end", "a\xE2\x82", "a\xE2\x82"},
        {"half of a sequence at the start", "\xA4rger", "\xA4rger"},
        {"arrow", "\xE2\x86\x92", "\xE2\x86\x92"},
        {"emoji", "\xF0\x9F\x98\x80", "\xF0\x9F\x98\x80"},
        {"C1 control", "\xC2\x80\xC2\x81", "\xC2\x80\xC2\x81"},
        {"overlong slash", "\xC0\xAF", "\xC0\xAF"},
        {"overlong a-umlaut", "\xE0\x83\xA4", "\xE0\x83\xA4"},
        {"surrogate", "\xED\xA0\x80", "\xED\xA0\x80"},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", "\xF4\x90\x80\x80"},
        // Labels of the layout are Windows-1252 already.
        {"Windows-1252 label",
         "W\xE4hrung: Stra\xDF"
         "e \x80",
         "W\xE4hrung: Stra\xDF"
         "e \x80"},
        {"a sequence and the byte in front of it", "\xC3\xC3\xA4", "\xC3\xE4"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(clear(f.ein), f.aus);
    }
}

TEST(Clear, ReferencesAreDecodedOnce) {
    const Fall faelle[] = {
        {"ampersand", "a &amp; b", "a & b"},
        {"quotes", "&quot;Nr. 5&quot;", "\"Nr. 5\""},
        {"apostrophe", "&apos;", "'"},
        {"tags", "&lt;b&gt;", "<b>"},
        {"escaped quot", "&amp;quot;", "&quot;"},
        {"escaped lt", "&amp;lt;", "&lt;"},
        {"escaped amp", "&amp;amp;", "&amp;"},
        {"escaped decimal reference", "&amp;#228;", "&#228;"},
        {"decimal", "&#228;", "\xE4"},
        {"hexadecimal", "&#xE4;", "\xE4"},
        {"hexadecimal, lower case digits", "&#xe4;", "\xE4"},
        {"leading zeros", "&#0228;", "\xE4"},
        {"euro sign", "&#8364; &#x20AC;", "\x80 \x80"},
        {"ASCII", "&#65;&#x3C;", "A<"},
        {"reference of an ampersand", "&#38;lt;", "&lt;"},
        {"reference and UTF-8", "&#x201E;\xC3\xA4&#x201C;", "\x84\xE4\x93"},
        {"character Windows-1252 lacks", "&#8594;", "&#8594;"},
        {"capital X", "&#XE4;", "&#XE4;"},
        {"no semicolon", "&#228 ", "&#228 "},
        {"no digits", "&#; &#x;", "&#; &#x;"},
        {"NUL reference", "&#0;", "&#0;"},
        {"far too large", "&#99999999999999;", "&#99999999999999;"},
        {"unknown name", "&nbsp;&auml;", "&nbsp;&auml;"},
        {"lone ampersand", "A & B &", "A & B &"},
        {"cut reference", "&am", "&am"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(clear(f.ein), f.aus);
    }
}

TEST(Clear, StopsAtTheFirstNul) {
    EXPECT_EQ(clear("\xC3\xA4\0\xC3\xA4"s), "\xE4\0\xC3\xA4"s);
    EXPECT_EQ(clear("&amp;\0&amp;"s), "&\0&amp;"s);
    EXPECT_EQ(clear("\0"s), "\0"s);
    EXPECT_EQ(clear(""), "");
}

TEST(Clear, SplitSequenceIsConvertedInNeitherPiece) {
    const Text t = "abc\xC3\xA4";
    EXPECT_EQ(clear(t.substr(0, 4)), "abc\xC3");
    EXPECT_EQ(clear(t.substr(4)), "\xA4");
}

// UTF-8 of a code point, for building the expected inputs from the sinks' table.
Text utf8(char16_t c) {
    Text t;
    if (c < 0x80) {
        t += static_cast<char>(c);
    } else if (c < 0x800) {
        t += static_cast<char>(0xC0 | (c >> 6));
        t += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        t += static_cast<char>(0xE0 | (c >> 12));
        t += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        t += static_cast<char>(0x80 | (c & 0x3F));
    }
    return t;
}

// Every character Windows-1252 has comes back as its byte, from UTF-8 and from references:
// clear and cp1252toutf16 agree on the whole upper half of the code page.
TEST(Clear, EveryUpperHalfCharacterRoundTrips) {
    for (int b = 0x80; b <= 0xFF; ++b) {
        const Text byte(1, static_cast<char>(b));
        const char16_t c = cp1252toutf16(byte)[0];
        SCOPED_TRACE(b);
        if (c < 0xA0) {
            // 81, 8D, 8F, 90 and 9D are unassigned: nothing to print, nothing decoded.
            EXPECT_EQ(clear(utf8(c)), utf8(c));
            continue;
        }
        EXPECT_EQ(clear(utf8(c)), byte);
        EXPECT_EQ(clear("&#" + std::to_string(c) + ";"), byte);
    }
}

TEST(Cp1252toutf16, Table) {
    struct Abb {
        unsigned char byte;
        char16_t zeichen;
    };
    const Abb faelle[] = {
        {0x41, u'A'},   {0x00, 0x0000}, {0x7F, 0x007F}, {0x80, 0x20AC}, {0x81, 0x0081},
        {0x82, 0x201A}, {0x84, 0x201E}, {0x85, 0x2026}, {0x8A, 0x0160}, {0x8D, 0x008D},
        {0x8E, 0x017D}, {0x8F, 0x008F}, {0x90, 0x0090}, {0x93, 0x201C}, {0x96, 0x2013},
        {0x99, 0x2122}, {0x9D, 0x009D}, {0x9F, 0x0178}, {0xA0, 0x00A0}, {0xE4, 0x00E4},
        {0xFF, 0x00FF},
    };
    for (const Abb& f : faelle) {
        SCOPED_TRACE(int(f.byte));
        const std::u16string u = cp1252toutf16(Text(1, static_cast<char>(f.byte)));
        ASSERT_EQ(u.size(), 1u);
        EXPECT_EQ(u[0], f.zeichen);
    }
    EXPECT_EQ(cp1252toutf16("M\xFCller \x80"), u"Müller €");
    EXPECT_EQ(cp1252toutf16(""), u"");
}

}  // namespace
}  // namespace tolvek
