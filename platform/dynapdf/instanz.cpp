#include "platform/dynapdf/instanz.h"

#include <cairo.h>

#include <cmath>
#include <ctime>

#include "platform/dynapdf/dynapdf.h"
#include "platform/dynapdf/utf16.h"

namespace dynapdf {

namespace {

// cairo keeps coordinates in 24.8 fixed point; beyond this a position would wrap around.
constexpr double kGrenze = 1.0e5;

bool koordinate(double v) {
    return std::isfinite(v) && std::fabs(v) <= kGrenze;
}

Dokumentinfo neueinfo() {
    const std::string programm = "Tolvek Kavrin " TOLVEK_VERSION;
    return {programm + " (dynapdf.dll, cairo " + cairo_version_string() + ")", programm,
            zeitpunkt(std::time(nullptr)).pdf};
}

}  // namespace

bool Instanz::neuesdokument(const char* ausgabedatei) {
    if (dokument_ || ausgabedatei == nullptr) {
        return false;
    }
    auto dokument = std::make_unique<Dokument>(neueinfo());
    dokument->ausgabedatei(ausgabedatei);
    dokument_ = std::move(dokument);
    return true;
}

bool Instanz::neueseite() {
    return dokument_ && dokument_->neueseite();
}

bool Instanz::seitebeenden() {
    return dokument_ && dokument_->seitebeenden();
}

bool Instanz::seitenformat(int32_t nummer) {
    const Seitenformat* format = dynapdf::seitenformat(nummer);
    return dokument_ && format != nullptr && dokument_->format(*format);
}

int32_t Instanz::schrift(const char16_t* familie, int32_t stil, double groesse, int32_t,
                         int32_t codepage) {
    // Fonts are always embedded (as subsets), so either value of einbetten is accepted.
    if (!dokument_ || familie == nullptr || stil != DYNAPDF_STYLE_REGULAR ||
        codepage != DYNAPDF_CODEPAGE_1252 || !(groesse > 0.0) || !koordinate(groesse)) {
        return 0;
    }
    const Schriften::Treffer treffer = schriften_.suche(familie);
    if (treffer.nummer == 0 || !dokument_->schrift(treffer.schrift, groesse)) {
        return 0;
    }
    return treffer.nummer;
}

bool Instanz::schreibe(double x, double y, const char16_t* text) {
    if (!dokument_ || text == nullptr || !koordinate(x) || !koordinate(y)) {
        return false;
    }
    return dokument_->schreibe(x, y, utf8(text));
}

bool Instanz::ausgabedatei(const char* name) {
    if (!dokument_ || name == nullptr || *name == '\0') {
        return false;
    }
    dokument_->ausgabedatei(name);
    return true;
}

bool Instanz::schliessen() {
    if (!dokument_) {
        return false;
    }
    // The document is closed whatever happens while it is written.
    const std::unique_ptr<Dokument> dokument = std::move(dokument_);
    return dokument->schliessen();
}

}  // namespace dynapdf
