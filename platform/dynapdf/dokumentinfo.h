#pragma once
// The document information of a finished PDF. cairo writes its own name as the producer and
// offers no way to change it, so the finished file gets an incremental update: a new Info
// dictionary and a cross-reference section for it, appended after cairo's end of file. PDF
// readers take the newest section, so the document names our program.

#include <cstdint>
#include <ctime>
#include <string>
#include <string_view>

namespace dynapdf {

struct Dokumentinfo {
    std::string producer;
    std::string creator;
    std::string erstellt;  // PDF date, "D:YYYYMMDDHHmmSS" and the zone
};

// The date of t in local time, as PDF writes it ("D:20261211142000+01'00'") and as cairo's
// metadata takes it ("2026-12-11T14:20:00+01:00").
struct Zeitpunkt {
    std::string pdf;
    std::string iso8601;
};
Zeitpunkt zeitpunkt(std::time_t t);

// The update to append to a PDF of laenge bytes whose last bytes are ende (ende must reach
// back over the trailer). Returns the empty text when ende holds no classic trailer with a
// /Size, a /Root and a startxref; the file is then left as it is.
std::string infonachtrag(std::string_view ende, std::uint64_t laenge, const Dokumentinfo& info);

}  // namespace dynapdf
