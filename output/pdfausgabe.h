#pragma once
// The PDF sink: every placement goes through TPDF onto the current page of a document held in
// memory; the completion writes it to a file.

#include <cstdint>
#include <memory>
#include <string>

#include "output/ausgabe.h"
#include "output/tpdf.h"
#include "text/text.h"

namespace tolvek {

class PdfAusgabe final : public Ausgabe {
  public:
    // pdf is the caller's field: the first placement creates the TPDF object there (through
    // TPDF::Create(bibliothek)) when it is empty, and later runs reuse it. A creation that
    // fails leaves it empty, so the next placement tries again.
    explicit PdfAusgabe(std::unique_ptr<TPDF>& pdf, std::string bibliothek = "dynapdf.dll");

    void neueseite() override;
    // Ends the last page and writes the document to pdfpfad; returns pdfpfad. Raises
    // Exception("Die PDF-Datei konnte nicht geschrieben werden: " + pdfpfad) when the library
    // reports that the file was not written.
    Text abschliessen(const Text& pdfpfad) override;
    // Drops a document this sink has written into by destroying the TPDF object; the next
    // placement then creates a fresh one.
    void verwerfen() noexcept override;

    // The PDF page coordinates of a millimetre position: 3 units per mm across, and
    // 800 - R(2.7 * y) down, halves rounded to the even integer.
    static double pdfx(int32_t x);
    static double pdfy(int32_t y);

  protected:
    void platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                   int32_t schriftgroesse) override;

  private:
    std::unique_ptr<TPDF>& pdf_;
    std::string bibliothek_;
    bool benutzt_ = false;  // this sink has written into the library's document
};

}  // namespace tolvek
