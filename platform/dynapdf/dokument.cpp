#include "platform/dynapdf/dokument.h"

#include <cairo-pdf.h>

#include <stdexcept>

#include "platform/dynapdf/zieldatei.h"

namespace dynapdf {

namespace {

constexpr Seitenformat kA4{595.28, 841.89};

// The trailer of a cairo PDF is a few hundred bytes; this reaches well over it.
constexpr long kEndelaenge = 4096;

// Reads the last bytes of the file (at most kEndelaenge) and its length.
bool dateiende(std::FILE* datei, std::string& ende, std::uint64_t& laenge) {
    if (std::fflush(datei) != 0 || std::fseek(datei, 0, SEEK_END) != 0) {
        return false;
    }
    const long groesse = std::ftell(datei);
    if (groesse < 0) {
        return false;
    }
    const long anfang = groesse > kEndelaenge ? groesse - kEndelaenge : 0;
    ende.resize(static_cast<std::size_t>(groesse - anfang));
    if (std::fseek(datei, anfang, SEEK_SET) != 0 ||
        std::fread(ende.data(), 1, ende.size(), datei) != ende.size()) {
        return false;
    }
    laenge = static_cast<std::uint64_t>(groesse);
    return true;
}

}  // namespace

const Seitenformat* seitenformat(int32_t nummer) {
    return nummer == 1 ? &kA4 : nullptr;
}

Dokument::Dokument(const Dokumentinfo& info) : info_(info), format_(kA4) {
    puffer_.datei.reset(std::tmpfile());
    if (!puffer_.datei) {
        throw std::runtime_error("no temporary file");
    }
    flaeche_.reset(cairo_pdf_surface_create_for_stream(&Dokument::schreibeaus, &puffer_,
                                                       format_.breite, format_.hoehe));
    if (cairo_surface_status(flaeche_.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("no PDF surface");
    }
    // Written by cairo too, so the file names us even if the update at the end is left out.
    cairo_pdf_surface_set_metadata(flaeche_.get(), CAIRO_PDF_METADATA_CREATOR,
                                   info_.creator.c_str());
    zeichner_.reset(cairo_create(flaeche_.get()));
    if (cairo_status(zeichner_.get()) != CAIRO_STATUS_SUCCESS) {
        throw std::runtime_error("no cairo context");
    }
    // Outline glyphs at their design advances: the texts stand exactly where they are put.
    Schriftoptionen optionen(cairo_font_options_create());
    cairo_font_options_set_hint_style(optionen.get(), CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(optionen.get(), CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(zeichner_.get(), optionen.get());
    cairo_set_source_rgb(zeichner_.get(), 0, 0, 0);
}

Dokument::~Dokument() {
    // Dropping an unfinished document: cairo still finishes the surface into the temporary
    // file, which is then deleted with it.
    zeichner_.reset();
    flaeche_.reset();
}

cairo_status_t Dokument::schreibeaus(void* closure, const unsigned char* daten,
                                     unsigned int laenge) {
    auto* puffer = static_cast<Puffer*>(closure);
    if (puffer->fehler || std::fwrite(daten, 1, laenge, puffer->datei.get()) != laenge) {
        puffer->fehler = true;
        return CAIRO_STATUS_WRITE_ERROR;
    }
    return CAIRO_STATUS_SUCCESS;
}

bool Dokument::intakt() const {
    return !geschlossen_ && !puffer_.fehler &&
           cairo_status(zeichner_.get()) == CAIRO_STATUS_SUCCESS &&
           cairo_surface_status(flaeche_.get()) == CAIRO_STATUS_SUCCESS;
}

bool Dokument::neueseite() {
    if (seiteoffen_ || !intakt()) {
        return false;
    }
    // The surface is already on the next page; its size can change until something is drawn.
    cairo_pdf_surface_set_size(flaeche_.get(), format_.breite, format_.hoehe);
    seiteoffen_ = true;
    seitebeschrieben_ = false;
    return intakt();
}

bool Dokument::seitebeenden() {
    if (!seiteoffen_ || !intakt()) {
        return false;
    }
    cairo_show_page(zeichner_.get());
    seiteoffen_ = false;
    return intakt();
}

bool Dokument::format(const Seitenformat& format) {
    if (!intakt()) {
        return false;
    }
    format_ = format;
    if (seiteoffen_ && !seitebeschrieben_) {
        cairo_pdf_surface_set_size(flaeche_.get(), format_.breite, format_.hoehe);
    }
    return intakt();
}

bool Dokument::schrift(cairo_font_face_t* schrift, double groesse) {
    if (!intakt()) {
        return false;
    }
    cairo_set_font_face(zeichner_.get(), schrift);
    cairo_set_font_size(zeichner_.get(), groesse);
    schriftgesetzt_ = true;
    return intakt();
}

bool Dokument::schreibe(double x, double y, const std::string& utf8) {
    if (!seiteoffen_ || !schriftgesetzt_ || !intakt()) {
        return false;
    }
    seitebeschrieben_ = true;
    if (utf8.empty()) {
        return true;
    }
    cairo_move_to(zeichner_.get(), x, format_.hoehe - y);
    cairo_show_text(zeichner_.get(), utf8.c_str());
    return intakt();
}

bool Dokument::schliessen() {
    if (geschlossen_) {
        return false;
    }
    if (seiteoffen_) {
        seitebeenden();
    }
    geschlossen_ = true;
    zeichner_.reset();
    cairo_surface_finish(flaeche_.get());
    const bool fertig =
        cairo_surface_status(flaeche_.get()) == CAIRO_STATUS_SUCCESS && !puffer_.fehler;
    flaeche_.reset();
    if (!fertig || ausgabedatei_.empty()) {
        return false;
    }
    std::FILE* datei = puffer_.datei.get();
    std::string ende;
    std::uint64_t laenge = 0;
    if (!dateiende(datei, ende, laenge)) {
        return false;
    }
    const std::string nachtrag = infonachtrag(ende, laenge, info_);
    if (std::fseek(datei, 0, SEEK_END) != 0 ||
        std::fwrite(nachtrag.data(), 1, nachtrag.size(), datei) != nachtrag.size()) {
        return false;
    }
    return schreibeersetzend(datei, ausgabedatei_);
}

}  // namespace dynapdf
