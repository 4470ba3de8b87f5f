#include "text/zahlen.h"

#include <langinfo.h>
#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <system_error>

#include "text/fehler.h"

namespace tolvek {

namespace {

// The locale name that decides LC_NUMERIC, in the order the C library consults the
// environment: LC_ALL, then LC_NUMERIC, then LANG.
std::string numericlocalename() {
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* wert = std::getenv(variable);
        if (wert != nullptr && *wert != '\0') {
            return wert;
        }
    }
    return "C";
}

bool ohneregionalewahl(const std::string& name) {
    // "C.UTF-8" and its spellings only add a character set to C: still no regional choice.
    return name == "C" || name == "POSIX" || name.rfind("C.", 0) == 0;
}

char separatorausdemlocale() {
    const std::string name = numericlocalename();
    if (ohneregionalewahl(name)) {
        return ',';
    }
    // A locale object of its own: the process's global locale stays as it is.
    locale_t loc = newlocale(LC_NUMERIC_MASK, name.c_str(), static_cast<locale_t>(nullptr));
    if (loc == static_cast<locale_t>(nullptr)) {
        return '.';
    }
    const char* radix = nl_langinfo_l(RADIXCHAR, loc);
    // A separator of more than one byte (some locales use a Unicode character) can't be
    // held in the one byte the number texts use.
    const char c = (radix != nullptr && std::strlen(radix) == 1) ? radix[0] : '.';
    freelocale(loc);
    return c;
}

char& separator() {
    static char c = separatorausdemlocale();
    return c;
}

// Read when the program starts, before anything can parse or write a number.
[[maybe_unused]] const char beimstart = separator();

[[noreturn]] void keinezahl(const Text& s) {
    throw EConvertError("'" + s + "' ist kein gültiger Gleitkommawert");
}

bool istziffer(char c) {
    return c >= '0' && c <= '9';
}

// The power of ten of the first non-zero digit of ganz.bruch × 10^±exponent (0 for zero),
// with the exponent capped far beyond the range of a double.
long groessenordnung(std::string_view ganz, std::string_view bruch, std::string_view exponent,
                     bool exponentnegativ) {
    long e = 0;
    for (char c : exponent) {
        e = std::min(e * 10 + (c - '0'), 100000000L);
    }
    if (exponentnegativ) {
        e = -e;
    }
    const std::size_t erste = ganz.find_first_not_of('0');
    if (erste != std::string_view::npos) {
        return static_cast<long>(ganz.size() - erste) - 1 + e;
    }
    const std::size_t ersteimbruch = bruch.find_first_not_of('0');
    if (ersteimbruch == std::string_view::npos) {
        return 0;
    }
    return -static_cast<long>(ersteimbruch) - 1 + e;
}

}  // namespace

char decimalseparator() {
    return separator();
}

void setdecimalseparator(char c) {
    separator() = c;
}

void readdecimalseparator() {
    separator() = separatorausdemlocale();
}

double parsenumber(const Text& s) {
    // A NUL byte ends the text; the message still shows everything that was passed in.
    const std::string_view t(s.data(), std::min(s.size(), s.find('\0')));
    const char sep = decimalseparator();
    std::size_t i = 0;
    while (i < t.size() && t[i] == ' ') {
        ++i;
    }
    bool negativ = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        negativ = t[i] == '-';
        ++i;
    }
    const std::size_t ganzanfang = i;
    while (i < t.size() && istziffer(t[i])) {
        ++i;
    }
    const std::string_view ganz = t.substr(ganzanfang, i - ganzanfang);
    std::string_view bruch;
    bool mitseparator = false;
    if (i < t.size() && t[i] == sep) {
        mitseparator = true;
        const std::size_t bruchanfang = ++i;
        while (i < t.size() && istziffer(t[i])) {
            ++i;
        }
        bruch = t.substr(bruchanfang, i - bruchanfang);
    }
    if (ganz.empty() && !mitseparator) {
        keinezahl(s);
    }
    bool exponentnegativ = false;
    std::string_view exponent;
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
            exponentnegativ = t[i] == '-';
            ++i;
        }
        const std::size_t expanfang = i;
        while (i < t.size() && istziffer(t[i])) {
            ++i;
        }
        exponent = t.substr(expanfang, i - expanfang);
    }
    while (i < t.size() && t[i] == ' ') {
        ++i;
    }
    if (i != t.size()) {
        keinezahl(s);
    }

    // The same number in the notation std::from_chars reads, which never looks at a locale.
    std::string normal;
    normal.reserve(ganz.size() + bruch.size() + exponent.size() + 4);
    normal += ganz.empty() ? std::string_view("0") : ganz;
    if (!bruch.empty()) {
        normal += '.';
        normal += bruch;
    }
    if (!exponent.empty()) {
        normal += 'e';
        if (exponentnegativ) {
            normal += '-';
        }
        normal += exponent;
    }
    double wert = 0.0;
    const auto [ende, fehler] = std::from_chars(normal.data(), normal.data() + normal.size(), wert);
    if (fehler == std::errc::result_out_of_range) {
        // Too large is an error; too small to be told from zero is zero.
        if (groessenordnung(ganz, bruch, exponent, exponentnegativ) > 0) {
            keinezahl(s);
        }
        wert = 0.0;
    } else if (fehler != std::errc() || ende != normal.data() + normal.size()) {
        keinezahl(s);
    }
    if (std::isinf(wert)) {
        keinezahl(s);
    }
    return negativ ? -wert : wert;
}

Text formatamount(double x) {
    if (std::isnan(x)) {
        return "NAN";
    }
    if (std::isinf(x)) {
        return x < 0 ? "-INF" : "INF";
    }
    // 18 significant digits of |x|: d.ddddddddddddddddde±x, exact and free of any locale.
    char puffer[64];
    const auto ergebnis = std::to_chars(puffer, puffer + sizeof puffer, std::fabs(x),
                                        std::chars_format::scientific, 17);
    std::string ziffern;
    ziffern.reserve(18);
    const char* p = puffer;
    for (; p != ergebnis.ptr && *p != 'e'; ++p) {
        if (istziffer(*p)) {
            ziffern += *p;
        }
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), ergebnis.ptr, exponent);
    // ziffern[0] stands for 10^exponent. Keep the digits down to 10^-2, at most ten of them.
    int behalten = exponent + 3;
    if (behalten > 10) {
        behalten = 10;
    }
    std::string kept;
    if (behalten >= 0) {
        kept = ziffern.substr(0, static_cast<std::size_t>(behalten));
        const char erste_weg = ziffern[static_cast<std::size_t>(behalten)];
        if (erste_weg >= '5') {
            // Half away from zero on the magnitude; a carry may add a leading digit.
            int k = behalten - 1;
            while (k >= 0 && kept[static_cast<std::size_t>(k)] == '9') {
                kept[static_cast<std::size_t>(k)] = '0';
                --k;
            }
            if (k >= 0) {
                ++kept[static_cast<std::size_t>(k)];
            } else {
                kept.insert(kept.begin(), '1');
                ++exponent;
            }
        }
    }
    if (kept.find_first_not_of('0') == std::string::npos) {
        return std::string("0") + decimalseparator() + "00";
    }
    const std::string vorzeichen = x < 0 ? "-" : "";
    // kept[0] now stands for 10^exponent.
    if (exponent >= 10) {
        const std::size_t letzte = kept.find_last_not_of('0');
        std::string t = vorzeichen + kept[0];
        if (letzte > 0) {
            t += decimalseparator();
            t.append(kept, 1, letzte);
        }
        return t + "E+" + std::to_string(exponent);
    }
    // Fixed notation: the digit for 10^i sits at kept[exponent - i], zero where none was kept.
    auto ziffer = [&](int i) {
        const int k = exponent - i;
        return (k >= 0 && k < static_cast<int>(kept.size())) ? kept[static_cast<std::size_t>(k)]
                                                             : '0';
    };
    std::string t = vorzeichen;
    if (exponent < 0) {
        t += '0';
    } else {
        for (int i = exponent; i >= 0; --i) {
            t += ziffer(i);
        }
    }
    t += decimalseparator();
    t += ziffer(-1);
    t += ziffer(-2);
    return t;
}

}  // namespace tolvek
