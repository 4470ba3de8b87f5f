// Writes an invoice-like document of many pages through TPDF and dynapdf.dll and reports the
// time, the peak resident memory and the size of the PDF.
//
//   dynapdf_bench [pages] [output.pdf]     (defaults: 1000 pages, dynapdf_bench.pdf)

#include <sys/resource.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "output/tpdf.h"

namespace {

// The resident memory now, in KiB, from /proc/self/status.
long rsskib() {
    std::ifstream status("/proc/self/status");
    std::string zeile;
    while (std::getline(status, zeile)) {
        if (zeile.rfind("VmRSS:", 0) == 0) {
            return std::strtol(zeile.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

long spitzekib() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return r.ru_maxrss;
}

std::u16string u16(const std::string& ascii) {
    return {ascii.begin(), ascii.end()};
}

int texte = 0;  // placements made, to report the count per page

// One page as the layout fills it: header and footer texts and nine item rows of five fields,
// about 60 texts, in the sizes and at the positions the layout uses.
void seite(tolvek::TPDF& pdf, int nummer) {
    auto text = [&pdf](int xmm, int ymm, int groesse, const std::u16string& t) {
        ++texte;
        pdf.SetFont(u"Arial", 1280, groesse, true, 2);
        pdf.WriteText(3.0 * xmm, 800.0 - static_cast<int>(2.7 * ymm + 0.5), t);
    };
    text(20, 10, 14, u"Rechnung");
    text(150, 10, 8, u"Seite " + u16(std::to_string(nummer)));
    text(20, 20, 8, u"Müller & Söhne GmbH · Hauptstraße 1 · 12345 Musterstadt");
    text(20, 25, 8, u"Rechnungsnummer R-2025-000" + u16(std::to_string(nummer)));
    text(20, 35, 8, std::u16string(110, u'_'));
    for (const auto& [x, t] : {std::pair{20, u"Pos"},
                               {35, u"Bezeichnung"},
                               {130, u"Menge"},
                               {150, u"Preis"},
                               {175, u"Betrag"}}) {
        text(x, 40, 8, t);
    }
    for (int zeile = 0; zeile < 9; ++zeile) {
        const int y = 50 + zeile * 20;
        const std::u16string pos = u16(std::to_string(zeile + 1));
        text(20, y, 8, pos);
        text(35, y, 8, u"Schraube M8 × 40, verzinkt, Packung zu 100 Stück – Straße");
        text(130, y, 8, u"12");
        text(150, y, 8, u"4,95 €");
        text(175, y, 8, u"59,40 €");
    }
    text(20, 250, 8, std::u16string(110, u'_'));
    for (int i = 0; i < 5; ++i) {
        text(20 + 35 * i, 260, 7, u"IBAN DE12 3456 7890 1234 5678 90");
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int seiten = argc > 1 ? std::atoi(argv[1]) : 1000;
    const std::string datei =
        std::filesystem::absolute(argc > 2 ? argv[2] : "dynapdf_bench.pdf").string();

    const auto start = std::chrono::steady_clock::now();
    auto pdf = tolvek::TPDF::Create("dynapdf.dll");
    pdf->CreateNewPDF("");
    pdf->Append();
    pdf->SetFont(u"Courier", 1280, 15.0, true, 2);
    pdf->SetPageFormat(1);
    long nacherster = 0;
    for (int n = 1; n <= seiten; ++n) {
        if (n > 1) {
            pdf->EndPage();
            pdf->Append();
        }
        seite(*pdf, n);
        if (n == 1) {
            nacherster = rsskib();
        }
    }
    const long vorschliessen = rsskib();
    pdf->EndPage();
    pdf->OpenOutputFile(datei);
    const bool geschrieben = pdf->CloseFile();
    const double sekunden =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!geschrieben) {
        std::fprintf(stderr, "dynapdf_bench: %s was not written\n", datei.c_str());
        return 1;
    }
    const auto groesse = std::filesystem::file_size(datei);
    std::printf("pages                  %d (%d texts each)\n", seiten, texte / seiten);
    std::printf("time                   %.2f s\n", sekunden);
    std::printf("PDF size               %.0f KiB\n", static_cast<double>(groesse) / 1024.0);
    std::printf("RSS after page 1       %ld KiB\n", nacherster);
    std::printf("RSS before CloseFile   %ld KiB\n", vorschliessen);
    std::printf("peak RSS (ru_maxrss)   %ld KiB\n", spitzekib());
    std::printf("written to             %s\n", datei.c_str());
    return 0;
}
