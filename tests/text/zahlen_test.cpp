// Number texts: the grammar of parsenumber, the rounding of formatamount, and where the
// decimal separator comes from.

#include <gtest/gtest.h>
#include <locale.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

#include "text/fehler.h"
#include "text/zahlen.h"

namespace tolvek {
namespace {

using namespace std::string_literals;

// Sets the separator for one test and puts the old one back.
class MitSeparator {
  public:
    explicit MitSeparator(char c) : alt_(decimalseparator()) { setdecimalseparator(c); }
    ~MitSeparator() { setdecimalseparator(alt_); }

  private:
    char alt_;
};

struct Zahl {
    Text s;
    std::optional<double> wert;  // nullopt: EConvertError
};

void pruefe(const Zahl& f) {
    SCOPED_TRACE("'" + f.s + "'");
    if (f.wert) {
        EXPECT_EQ(parsenumber(f.s), *f.wert);
    } else {
        try {
            parsenumber(f.s);
            ADD_FAILURE() << "no error";
        } catch (const EConvertError& e) {
            // The message shows the whole text passed in, spaces included.
            EXPECT_EQ(e.what(), "'" + f.s + "' ist kein gültiger Gleitkommawert");
        }
    }
}

TEST(Parsenumber, GrammarWithComma) {
    MitSeparator komma(',');
    const Zahl faelle[] = {
        {"19,00", 19.0},
        {"  7,5  ", 7.5},
        {"+3", 3.0},
        {"-0,5", -0.5},
        {"-,5", -0.5},
        {"5,", 5.0},
        {",", 0.0},
        {"007", 7.0},
        {"0,1", 0.1},
        {"2,675", 2.675},
        {"1E3", 1000.0},
        {"1e-2", 0.01},
        {"2,5E+2", 250.0},
        {"2E", 2.0},
        {"2E-", 2.0},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        {"1E-400", 0.0},
        {"0E999999999999", 0.0},
        {"0,000001E308", 1e302},
        {"5\0junk"s, 5.0},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"-", std::nullopt},
        {"+", std::nullopt},
        {"E5", std::nullopt},
        {"1.234,56", std::nullopt},
        {"1.5", std::nullopt},
        {"1 000", std::nullopt},
        {"1,2,3", std::nullopt},
        {"12a", std::nullopt},
        {"\t5", std::nullopt},
        {"5\t", std::nullopt},
        {"--5", std::nullopt},
        {"5E+-1", std::nullopt},
        {"\x80 5", std::nullopt},
        {"1E400", std::nullopt},
        {"-1E400", std::nullopt},
        {"100000000000000000000E-1", 1e19},
        {"1" + std::string(400, '0') + "E-5", std::nullopt},
    };
    for (const Zahl& f : faelle) {
        pruefe(f);
    }
}

TEST(Parsenumber, GrammarWithFullStop) {
    MitSeparator punkt('.');
    // Every amount text of the layout that holds a "," fails to parse.
    const Zahl faelle[] = {
        {"1.5", 1.5}, {" -.25 ", -0.25}, {"1,5", std::nullopt}, {"19,00", std::nullopt}};
    for (const Zahl& f : faelle) {
        pruefe(f);
    }
}

TEST(Formatamount, RoundsHalfAwayFromZeroAtTwoDecimalsOrTenDigits) {
    MitSeparator komma(',');
    struct Fall {
        double x;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {19, "19,00"},
        {1234.5, "1234,50"},
        {0.005, "0,01"},
        {-0.005, "-0,01"},
        {-0.001, "0,00"},
        {2.675, "2,67"},  // the nearest double lies just below
        {123456789.99, "123456790,00"},
        {0, "0,00"},
        {-0.0, "0,00"},
        {0.004999, "0,00"},
        {1e-20, "0,00"},
        {-1e-20, "0,00"},
        {0.995, "0,99"},
        {0.125, "0,13"},
        {-0.125, "-0,13"},
        {0.015, "0,01"},
        {1.005, "1,00"},
        {999.995, "1000,00"},
        {0.5, "0,50"},
        {9.999, "10,00"},
        {12345678.125, "12345678,13"},
        {1234567890.123, "1234567890,00"},
        {9999999999.4, "9999999999,00"},
        {-42.1, "-42,10"},
        {1e-3, "0,00"},
        {6e-3, "0,01"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.erwartet);
        EXPECT_EQ(formatamount(f.x), f.erwartet);
    }
}

TEST(Formatamount, ScientificFromTenIntegerDigitsOn) {
    MitSeparator komma(',');
    EXPECT_EQ(formatamount(1e10), "1E+10");
    EXPECT_EQ(formatamount(9999999999.996), "1E+10");  // the carry adds the eleventh digit
    EXPECT_EQ(formatamount(1.5e15), "1,5E+15");
    EXPECT_EQ(formatamount(-2.5e12), "-2,5E+12");
    EXPECT_EQ(formatamount(12345678901.0), "1,23456789E+10");
    EXPECT_EQ(formatamount(1e300), "1E+300");
}

TEST(Formatamount, UsesTheSeparator) {
    MitSeparator punkt('.');
    EXPECT_EQ(formatamount(19), "19.00");
    EXPECT_EQ(formatamount(-0.5), "-0.50");
}

TEST(Formatamount, ParsesBackToTheRoundedValue) {
    MitSeparator komma(',');
    // Whatever is written with two decimals reads back within half a cent.
    for (double x = -1000.0; x <= 1000.0; x += 0.37) {
        const double y = parsenumber(formatamount(x));
        EXPECT_NEAR(y, x, 0.005 + 1e-9) << x;
    }
}

// Sets the locale variables of the environment for one test and puts them back.
class Umgebung {
  public:
    Umgebung(const char* all, const char* numeric, const char* lang) : alt_(decimalseparator()) {
        for (const char* n : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
            const char* w = std::getenv(n);
            gesichert_.push_back(w ? std::optional<std::string>(w) : std::nullopt);
        }
        setze("LC_ALL", all);
        setze("LC_NUMERIC", numeric);
        setze("LANG", lang);
    }
    ~Umgebung() {
        const char* namen[] = {"LC_ALL", "LC_NUMERIC", "LANG"};
        for (std::size_t i = 0; i < 3; ++i) {
            setze(namen[i], gesichert_[i] ? gesichert_[i]->c_str() : nullptr);
        }
        setdecimalseparator(alt_);
    }

  private:
    static void setze(const char* name, const char* wert) {
        if (wert) {
            ::setenv(name, wert, 1);
        } else {
            ::unsetenv(name);
        }
    }
    char alt_;
    std::vector<std::optional<std::string>> gesichert_;
};

bool installiert(const char* name) {
    locale_t loc = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) {
        return false;
    }
    freelocale(loc);
    return true;
}

TEST(Decimalseparator, FromTheEnvironmentsNumericLocale) {
    struct Fall {
        const char* name;
        const char* all;
        const char* numeric;
        const char* lang;
        char erwartet;
    };
    const Fall faelle[] = {
        {"nothing set", nullptr, nullptr, nullptr, ','},
        {"empty values", "", "", "", ','},
        {"C", "C", nullptr, nullptr, ','},
        {"POSIX", "POSIX", nullptr, nullptr, ','},
        {"C.UTF-8", nullptr, nullptr, "C.UTF-8", ','},
        {"locale that is not there", "xx_YY.nirgends", nullptr, nullptr, '.'},
        {"LC_NUMERIC before LANG", nullptr, "C", "xx_YY.nirgends", ','},
        {"LC_ALL before LC_NUMERIC", "xx_YY.nirgends", "C", nullptr, '.'},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        Umgebung u(f.all, f.numeric, f.lang);
        setdecimalseparator('?');
        readdecimalseparator();
        EXPECT_EQ(decimalseparator(), f.erwartet);
    }
}

TEST(Decimalseparator, RegionalLocalesLeaveTheGlobalLocaleAlone) {
    const std::string vorher = setlocale(LC_NUMERIC, nullptr);
    bool geprueft = false;
    for (const auto& [name, erwartet] :
         {std::pair{"de_DE.UTF-8", ','}, std::pair{"en_US.UTF-8", '.'},
          std::pair{"en_GB.UTF-8", '.'}}) {
        if (!installiert(name)) {
            continue;
        }
        SCOPED_TRACE(name);
        Umgebung u(name, nullptr, nullptr);
        readdecimalseparator();
        EXPECT_EQ(decimalseparator(), erwartet);
        geprueft = true;
    }
    EXPECT_EQ(setlocale(LC_NUMERIC, nullptr), vorher);
    if (!geprueft) {
        GTEST_SKIP() << "no regional locale installed";
    }
}

}  // namespace
}  // namespace tolvek
