// Typed names become Windows-1252 bytes and back.
#include <string>

#include <gtest/gtest.h>
#include <QString>

#include "app/tolvek/zeichensatz.h"

namespace {

TEST(Zeichensatz, JedesByteKommtUnveraendertZurueck) {
    for (int b = 0; b < 256; ++b) {
        SCOPED_TRACE(b);
        const std::string byte(1, static_cast<char>(b));
        EXPECT_EQ(tolvek::utf16tocp1252(tolvek::cp1252toqstring(byte)), byte);
    }
}

TEST(Zeichensatz, ZeichenOhneWindows1252Byte) {
    struct Fall {
        QString eingabe;
        std::string bytes;
    };
    const Fall faelle[] = {
        {QStringLiteral("Jürgen"), "J\xfcrgen"},
        {QStringLiteral("„5 €“"),
         "\x84"
         "5 \x80\x93"},
        {QStringLiteral("Łódź"),
         "?\xf3"
         "d?"},
        {QStringLiteral("A😀B"), "A?B"},  // a surrogate pair is one character
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.eingabe.toStdString());
        EXPECT_EQ(tolvek::utf16tocp1252(fall.eingabe), fall.bytes);
    }
}

}  // namespace
