// The byte-text primitives: clamping of copytext and deletetext, findtext, replaceall.

#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "text/text.h"

namespace tolvek {
namespace {

using namespace std::string_literals;

struct Schnitt {
    const char* name;
    Text s;
    int32_t start;
    int32_t count;
    Text kopie;   // copytext(s, start, count)
    Text danach;  // s after deletetext(s, start, count)
};

TEST(Text, CopytextAndDeletetextClampDifferently) {
    const Schnitt faelle[] = {
        {"start 1", "abcdef", 1, 3, "abc", "def"},
        {"start 0 keeps the count", "abcdef", 0, 3, "abc", "abcdef"},
        {"negative start keeps the count", "abcdef", -5, 3, "abc", "abcdef"},
        {"count beyond the end", "abcdef", 5, 10, "ef", "abcd"},
        {"start just behind the end", "abcdef", 7, 1, "", "abcdef"},
        {"last byte", "abcdef", 6, 1, "f", "abcde"},
        {"negative count", "abcdef", 2, -1, "", "abcdef"},
        {"count 0", "abcdef", 2, 0, "", "abcdef"},
        {"empty text", "", 1, 5, "", ""},
        {"empty text, start 0", "", 0, 1, "", ""},
        {"45-byte piece of a shorter text", std::string(30, 'x'), 1, 45, std::string(30, 'x'), ""},
        {"huge count", "abcdef", 3, INT32_MAX, "cdef", "ab"},
        {"lowest start", "abcdef", INT32_MIN, 2, "ab", "abcdef"},
        {"NUL is an ordinary byte", "a\0b\0c"s, 2, 3, "\0b\0"s, "ac"},
    };
    for (const Schnitt& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(copytext(f.s, f.start, f.count), f.kopie);
        Text t = f.s;
        deletetext(t, f.start, f.count);
        EXPECT_EQ(t, f.danach);
    }
}

TEST(Text, CuttingIntoPiecesOf45Bytes) {
    // The layout's wrapping loop: copy the piece, delete it, until nothing is left.
    Text t(100, 'a');
    t[44] = 'b';
    t[45] = 'c';
    std::vector<Text> stuecke;
    while (!t.empty()) {
        stuecke.push_back(copytext(t, 1, 45));
        deletetext(t, 1, 45);
    }
    ASSERT_EQ(stuecke.size(), 3u);
    EXPECT_EQ(stuecke[0].size(), 45u);
    EXPECT_EQ(stuecke[0].back(), 'b');
    EXPECT_EQ(stuecke[1].front(), 'c');
    EXPECT_EQ(stuecke[2].size(), 10u);
}

TEST(Text, Findtext) {
    struct Fall {
        Text needle;
        Text s;
        int32_t erwartet;
    };
    const Fall faelle[] = {
        {"b", "abcb", 2},   {"abc", "abc", 1},  {"cb", "abcb", 3},   {"x", "abc", 0},
        {"", "abc", 0},     {"a", "", 0},       {"", "", 0},         {"B", "abc", 0},
        {"abcd", "abc", 0}, {"c"s, "a\0c"s, 3}, {"\0"s, "a\0c"s, 2},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.needle + " in " + f.s);
        EXPECT_EQ(findtext(f.needle, f.s), f.erwartet);
    }
}

TEST(Text, Replaceall) {
    struct Fall {
        const char* name;
        Text s;
        Text old;
        Text neu;
        Text erwartet;
    };
    const Fall faelle[] = {
        {"decimal point", "1234.56", ".", ",", "1234,56"},
        {"nothing to replace", "123456", ".", ",", "123456"},
        {"every occurrence", "a.b.c.", ".", "", "abc"},
        {"replacement not searched again", "axb", "x", "xx", "axxb"},
        {"no overlap", "aaaa", "aa", "a", "aa"},
        {"left to right", "aaa", "aa", "b", "ba"},
        {"empty old", "abc", "", "x", "abc"},
        {"empty text", "", "a", "b", ""},
        {"longer replacement", "<b>", "<", "&lt;", "&lt;b>"},
        {"search ends at NUL", "a.b\0c.d"s, ".", ",", "a,b\0c.d"s},
        {"occurrence across the NUL", "ab\0c"s, "b\0c"s, "x", "ab\0c"s},
        {"NUL first", "\0.."s, ".", ",", "\0.."s},
        {"case matters", "AaA", "a", "x", "AxA"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(replaceall(f.s, f.old, f.neu), f.erwartet);
    }
}

TEST(Text, Formatinteger) {
    EXPECT_EQ(formatinteger(0), "0");
    EXPECT_EQ(formatinteger(7), "7");
    EXPECT_EQ(formatinteger(-12), "-12");
    EXPECT_EQ(formatinteger(1234567), "1234567");
    EXPECT_EQ(formatinteger(INT32_MAX), "2147483647");
    EXPECT_EQ(formatinteger(INT32_MIN), "-2147483648");
}

}  // namespace
}  // namespace tolvek
