#include "platform/dynapdf/dokumentinfo.h"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <optional>

namespace dynapdf {

namespace {

// A literal string: backslash and both parentheses escaped.
std::string pdfstring(std::string_view s) {
    std::string aus = "(";
    for (char c : s) {
        if (c == '\\' || c == '(' || c == ')') {
            aus.push_back('\\');
        }
        aus.push_back(c);
    }
    aus.push_back(')');
    return aus;
}

std::string_view ohneleerraum(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i]))) {
        ++i;
    }
    return s.substr(i);
}

std::optional<std::uint64_t> zahl(std::string_view s) {
    s = ohneleerraum(s);
    std::uint64_t wert = 0;
    auto [ende, fehler] = std::from_chars(s.data(), s.data() + s.size(), wert);
    if (fehler != std::errc() || ende == s.data()) {
        return std::nullopt;
    }
    return wert;
}

// The text after key in a dictionary's text.
std::optional<std::string_view> nach(std::string_view dict, std::string_view key) {
    const auto pos = dict.find(key);
    if (pos == std::string_view::npos) {
        return std::nullopt;
    }
    return ohneleerraum(dict.substr(pos + key.size()));
}

// The value after key, up to and including the byte schluss.
std::optional<std::string_view> wertbis(std::string_view dict, std::string_view key, char schluss) {
    const auto rest = nach(dict, key);
    if (!rest) {
        return std::nullopt;
    }
    const auto ende = rest->find(schluss);
    if (ende == std::string_view::npos) {
        return std::nullopt;
    }
    return rest->substr(0, ende + 1);
}

std::string zehnstellig(std::uint64_t n) {
    char puffer[32];
    std::snprintf(puffer, sizeof puffer, "%010llu", static_cast<unsigned long long>(n));
    return puffer;
}

}  // namespace

Zeitpunkt zeitpunkt(std::time_t t) {
    std::tm lokal{};
    localtime_r(&t, &lokal);
    const long versatz = lokal.tm_gmtoff / 60;
    const char vorzeichen = versatz < 0 ? '-' : '+';
    const long stunden = (versatz < 0 ? -versatz : versatz) / 60;
    const long minuten = (versatz < 0 ? -versatz : versatz) % 60;
    char pdf[64];
    char iso[64];
    std::snprintf(pdf, sizeof pdf, "D:%04d%02d%02d%02d%02d%02d%c%02ld'%02ld'", lokal.tm_year + 1900,
                  lokal.tm_mon + 1, lokal.tm_mday, lokal.tm_hour, lokal.tm_min, lokal.tm_sec,
                  vorzeichen, stunden, minuten);
    std::snprintf(iso, sizeof iso, "%04d-%02d-%02dT%02d:%02d:%02d%c%02ld:%02ld",
                  lokal.tm_year + 1900, lokal.tm_mon + 1, lokal.tm_mday, lokal.tm_hour,
                  lokal.tm_min, lokal.tm_sec, vorzeichen, stunden, minuten);
    return {pdf, iso};
}

std::string infonachtrag(std::string_view ende, std::uint64_t laenge, const Dokumentinfo& info) {
    const auto startxref = ende.rfind("startxref");
    if (startxref == std::string_view::npos) {
        return {};
    }
    const auto vorher = zahl(ende.substr(startxref + 9));
    const auto trailer = ende.substr(0, startxref).rfind("trailer");
    if (!vorher || trailer == std::string_view::npos) {
        return {};
    }
    const std::string_view dict = ende.substr(trailer, startxref - trailer);
    const auto groesse = nach(dict, "/Size");
    const auto nummer = groesse ? zahl(*groesse) : std::nullopt;
    const auto wurzel = wertbis(dict, "/Root", 'R');
    if (!nummer || !wurzel) {
        return {};
    }
    const auto id = wertbis(dict, "/ID", ']');

    // The new Info dictionary takes the next free object number.
    const std::string objekt = std::to_string(*nummer);
    std::string aus = "\n";
    const std::uint64_t objektstelle = laenge + aus.size();
    aus += objekt + " 0 obj\n<< /Producer " + pdfstring(info.producer) + "\n   /Creator " +
           pdfstring(info.creator) + "\n   /CreationDate " + pdfstring(info.erstellt) +
           "\n>>\nendobj\n";
    const std::uint64_t xrefstelle = laenge + aus.size();
    // Each entry is exactly 20 bytes: offset, generation, type and a two-byte line end.
    aus += "xref\n" + objekt + " 1\n" + zehnstellig(objektstelle) + " 00000 n \n";
    aus += "trailer\n<< /Size " + std::to_string(*nummer + 1) + "\n   /Root " +
           std::string(*wurzel) + "\n   /Info " + objekt + " 0 R\n   /Prev " +
           std::to_string(*vorher) + "\n";
    if (id) {
        aus += "   /ID " + std::string(*id) + "\n";
    }
    aus += ">>\nstartxref\n" + std::to_string(xrefstelle) + "\n%%EOF\n";
    return aus;
}

}  // namespace dynapdf
