#include "output/pdfausgabe.h"

#include <utility>

#include "text/clear.h"
#include "text/fehler.h"

namespace tolvek {

namespace {

constexpr int32_t kSchriftstil = 1280;  // regular face
constexpr int32_t kCodepage = 2;        // Windows-1252
constexpr int32_t kSeitenformat = 1;    // A4 portrait

}  // namespace

PdfAusgabe::PdfAusgabe(std::unique_ptr<TPDF>& pdf, std::string bibliothek)
    : pdf_(pdf), bibliothek_(std::move(bibliothek)) {}

double PdfAusgabe::pdfx(int32_t x) {
    return static_cast<double>(3 * static_cast<int64_t>(x));
}

double PdfAusgabe::pdfy(int32_t y) {
    // 27 * y / 10 rounded in whole numbers, halves to the even integer: y = 15 (40.5) gives 40,
    // y = 5 (13.5) gives 14. Integer arithmetic keeps it exact and free of the FPU mode.
    const int64_t zehntel = 27 * static_cast<int64_t>(y);
    int64_t ganz = zehntel / 10;
    int64_t rest = zehntel % 10;
    if (rest < 0) {  // floor for negative positions
        ganz -= 1;
        rest += 10;
    }
    if (rest > 5 || (rest == 5 && ganz % 2 != 0)) {
        ganz += 1;
    }
    return 800.0 - static_cast<double>(ganz);
}

void PdfAusgabe::platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                           int32_t schriftgroesse) {
    if (!pdf_) {
        pdf_ = TPDF::Create(bibliothek_);
    }
    // From here on the library's document may hold this run's work, even when one of the
    // calls below fails half-way; a failed run then drops the object.
    benutzt_ = true;
    TPDF& pdf = *pdf_;
    if (!pdf.HaveOpenDoc()) {
        pdf.CreateNewPDF(Text());
        pdf.Append();
        // Replaced by the font call of every placement before any text is written.
        pdf.SetFont(u"Courier", kSchriftstil, 15.0, true, kCodepage);
        pdf.SetPageFormat(kSeitenformat);
    }
    pdf.SetFont(cp1252toutf16(schriftart), kSchriftstil, static_cast<double>(schriftgroesse), true,
                kCodepage);
    pdf.WriteText(pdfx(x), pdfy(y), cp1252toutf16(text));
}

void PdfAusgabe::neueseite() {
    if (!pdf_) {
        return;
    }
    pdf_->EndPage();
    pdf_->Append();
}

Text PdfAusgabe::abschliessen(const Text& pdfpfad) {
    if (!pdf_) {
        throw Exception("Die PDF-Datei konnte nicht geschrieben werden: " + pdfpfad);
    }
    pdf_->EndPage();
    pdf_->OpenOutputFile(pdfpfad);
    if (!pdf_->CloseFile()) {
        throw Exception("Die PDF-Datei konnte nicht geschrieben werden: " + pdfpfad);
    }
    benutzt_ = false;
    return pdfpfad;
}

void PdfAusgabe::verwerfen() noexcept {
    if (benutzt_) {
        pdf_.reset();
        benutzt_ = false;
    }
}

}  // namespace tolvek
