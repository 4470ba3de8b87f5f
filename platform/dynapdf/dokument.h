#pragma once
// One PDF document under construction. cairo's PDF surface writes into an anonymous temporary
// file from the start, so a finished page leaves memory when it ends and the memory of a long
// document stays near the size of one page plus the fonts' glyph lists.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/dynapdf/dokumentinfo.h"
#include "platform/dynapdf/zeiger.h"

namespace dynapdf {

struct Seitenformat {
    double breite;
    double hoehe;
};

// The format of a format number; nullptr for an unknown one.
const Seitenformat* seitenformat(int32_t nummer);

class Dokument {
  public:
    // Raises std::runtime_error when the temporary file or the surface cannot be made.
    explicit Dokument(const Dokumentinfo& info);
    ~Dokument();
    Dokument(const Dokument&) = delete;
    Dokument& operator=(const Dokument&) = delete;

    bool seiteoffen() const { return seiteoffen_; }
    bool neueseite();
    bool seitebeenden();
    bool format(const Seitenformat& format);
    bool schrift(cairo_font_face_t* schrift, double groesse);
    // x, y: the left end of the baseline, y upward from the bottom edge.
    bool schreibe(double x, double y, const std::string& utf8);

    void ausgabedatei(std::string name) { ausgabedatei_ = std::move(name); }

    // Ends an open page, finishes the PDF and writes it to the output file. The document can
    // do nothing more afterwards, whatever the result.
    bool schliessen();

  private:
    static cairo_status_t schreibeaus(void* closure, const unsigned char* daten,
                                      unsigned int laenge);
    bool intakt() const;

    // The temporary file comes first so it outlives the surface that writes into it.
    struct Puffer {
        Datei datei;
        bool fehler = false;
    } puffer_;
    Flaeche flaeche_;
    Zeichner zeichner_;
    Dokumentinfo info_;
    Seitenformat format_;
    std::string ausgabedatei_;
    bool seiteoffen_ = false;
    bool seitebeschrieben_ = false;
    bool schriftgesetzt_ = false;
    bool geschlossen_ = false;
};

}  // namespace dynapdf
