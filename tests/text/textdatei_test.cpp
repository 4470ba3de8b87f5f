// The line reader and the file errors.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "testdateien.h"
#include "tests/dateirechte.h"
#include "text/fehler.h"
#include "text/textdatei.h"

namespace tolvek {
namespace {

using namespace std::string_literals;
using test::fixture;
using test::offenedeskriptoren;
using test::Tempordner;

std::vector<Text> allezeilen(const std::string& pfad) {
    TextDatei f = opentext(pfad);
    std::vector<Text> zeilen;
    while (!atend(f)) {
        zeilen.push_back(readline(f));
    }
    closetext(f);
    return zeilen;
}

TEST(Textdatei, CrLfCrAndLfEndLinesAlike) {
    const std::vector<Text> erwartet = {
        R"(<?xml version="1.0" encoding="UTF-8"?>)",
        "<ubl:Invoice>",
        "  <cbc:ID>R-1</cbc:ID>",
        "  <cac:InvoiceLine>",
        "    <cbc:ID>1</cbc:ID>",
        "  </cac:InvoiceLine>",
        "  <cac:InvoiceLine>",
        "    <cbc:ID>2</cbc:ID>",
        "  </cac:InvoiceLine>",
        "</ubl:Invoice>",
    };
    for (const char* name : {"zeilen_crlf.xml", "zeilen_cr.xml", "zeilen_lf.xml"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(allezeilen(fixture(name)), erwartet);
    }
}

TEST(Textdatei, LineEnds) {
    struct Fall {
        const char* name;
        std::string bytes;
        std::vector<Text> zeilen;
    };
    const std::string lang(300, 'x');
    // A CR as the last byte of the first 128 and its LF as the first of the next 128.
    const std::string grenze = std::string(127, 'a') + "\r\nb";
    const Fall faelle[] = {
        {"empty file", "", {}},
        {"last line without line end", "a", {"a"}},
        {"line end at the end gives no extra line", "a\r\n", {"a"}},
        {"empty lines", "a\r\n\r\nb", {"a", "", "b"}},
        {"LF CR is two line ends", "a\n\rb", {"a", "", "b"}},
        {"CR CR", "a\r\rb", {"a", "", "b"}},
        {"LF LF", "a\n\nb\n", {"a", "", "b"}},
        {"a lone LF", "\n", {""}},
        {"mixed", "a\r\nb\rc\nd", {"a", "b", "c", "d"}},
        {"NUL is a byte of the line", "a\0b\nc"s, {"a\0b"s, "c"}},
        {"line longer than 128 bytes", lang + "\r\n" + lang, {lang, lang}},
        {"CR LF across the 128-byte boundary", grenze, {std::string(127, 'a'), "b"}},
        {"CR as byte 128, end of file", std::string(127, 'a') + "\r", {std::string(127, 'a')}},
        {"Ctrl-Z ends the file",
         "a\r\nb\x1a"
         "c\r\nd",
         {"a", "b"}},
        {"Ctrl-Z first",
         "\x1a"
         "abc",
         {}},
        {"Ctrl-Z behind a line end", "a\n\x1a\nb", {"a"}},
        {"Ctrl-Z at byte 129",
         std::string(128, 'a') + "\x1a"
                                 "b",
         {std::string(128, 'a')}},
    };
    Tempordner ordner;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(allezeilen(ordner.schreibe("t.txt", f.bytes)), f.zeilen);
    }
}

TEST(Textdatei, NeverReadsPastCtrlZ) {
    TextDatei f = opentext(fixture("ctrlz.xml"));
    EXPECT_EQ(readline(f), "<cbc:ID>1</cbc:ID>");
    EXPECT_EQ(readline(f), "<cbc:Note>vor</cbc:Note>");
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(atend(f));
        EXPECT_EQ(readline(f), "");
    }
    closetext(f);
}

TEST(Textdatei, MovedReaderReadsOn) {
    TextDatei a = opentext(fixture("zeilen_lf.xml"));
    readline(a);
    TextDatei b = std::move(a);
    EXPECT_FALSE(a.isopen());
    EXPECT_EQ(readline(b), "<ubl:Invoice>");
    TextDatei c;
    c = std::move(b);
    EXPECT_EQ(readline(c), "  <cbc:ID>R-1</cbc:ID>");
    closetext(c);
    EXPECT_FALSE(c.isopen());
}

TEST(Textdatei, DestructorReleasesTheFile) {
    const std::size_t vorher = offenedeskriptoren();
    {
        TextDatei f = opentext(fixture("zeilen_lf.xml"));
        readline(f);
        TextDatei g = opentext(fixture("zeilen_cr.xml"));
        EXPECT_EQ(offenedeskriptoren(), vorher + 2);
    }
    EXPECT_EQ(offenedeskriptoren(), vorher);
}

void erwartefehler(const Text& name, int code, const std::string& meldung) {
    SCOPED_TRACE(name.substr(0, 80));
    try {
        opentext(name);
        ADD_FAILURE() << "no error";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.code(), code);
        EXPECT_EQ(e.what(), meldung);
    }
}

TEST(Textdatei, OpenErrors) {
    Tempordner ordner;
    const std::string datei = ordner.schreibe("da.txt", "x");
    erwartefehler(ordner.pfad() + "/fehlt.xml", 2, "Datei nicht gefunden");
    erwartefehler("", 2, "Datei nicht gefunden");
    erwartefehler(datei + "/unter.xml", 3, "Ungültiger Dateiname");
    erwartefehler(ordner.pfad() + "/" + std::string(5000, 'n'), 3, "Ungültiger Dateiname");
    erwartefehler("da\0.txt"s, 3, "Ungültiger Dateiname");
    // A folder picked instead of a file.
    erwartefehler(ordner.pfad(), 5, "Dateizugriff verweigert");
    if (test::dateirechtegelten()) {
        ASSERT_EQ(::chmod(datei.c_str(), 0), 0);
        erwartefehler(datei, 5, "Dateizugriff verweigert");
    }
}

TEST(Textdatei, ClosedReaderIsAnError) {
    TextDatei f = opentext(fixture("zeilen_lf.xml"));
    closetext(f);
    for (int schritt = 0; schritt < 3; ++schritt) {
        try {
            if (schritt == 0) {
                atend(f);
            } else if (schritt == 1) {
                readline(f);
            } else {
                closetext(f);
            }
            ADD_FAILURE() << "no error in step " << schritt;
        } catch (const EInOutError& e) {
            EXPECT_EQ(e.code(), 103);
            EXPECT_STREQ(e.what(), "E/A-Fehler 103");
        }
    }
}

TEST(EInOutError, CodesAndMessages) {
    struct Fall {
        int err;
        int code;
        const char* meldung;
    };
    const Fall faelle[] = {
        {ENOENT, 2, "Datei nicht gefunden"},
        {ENOTDIR, 3, "Ungültiger Dateiname"},
        {ENAMETOOLONG, 3, "Ungültiger Dateiname"},
        {EMFILE, 4, "Zu viele geöffnete Dateien"},
        {ENFILE, 4, "Zu viele geöffnete Dateien"},
        {EACCES, 5, "Dateizugriff verweigert"},
        {EPERM, 5, "Dateizugriff verweigert"},
        {EISDIR, 5, "Dateizugriff verweigert"},
        {ENOSPC, 101, "Zu wenig Speicherplatz"},
        // Other errno values are their own code; EIO is 5 but no denied access.
        {EIO, EIO, "E/A-Fehler 5"},
        {ELOOP, ELOOP, "E/A-Fehler 40"},
        {ETXTBSY, ETXTBSY, "E/A-Fehler 26"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.meldung);
        EXPECT_EQ(EInOutError::codefromerrno(f.err), f.code);
        const EInOutError e = EInOutError::fromerrno(f.err);
        EXPECT_EQ(e.code(), f.code);
        EXPECT_STREQ(e.what(), f.meldung);
    }
    EXPECT_EQ(EInOutError::message(100), "Versuch hinter dem Dateiende zu lesen");
    EXPECT_EQ(EInOutError::message(106), "Ungültige numerische Eingabe");
    EXPECT_EQ(EInOutError::message(32), "E/A-Fehler 32");
    EXPECT_STREQ(EInOutError(5).what(), "Dateizugriff verweigert");
    // Every error of the program is an Exception with its message.
    const Exception& allgemein = EInOutError(2);
    EXPECT_STREQ(allgemein.what(), "Datei nicht gefunden");
}

}  // namespace
}  // namespace tolvek
