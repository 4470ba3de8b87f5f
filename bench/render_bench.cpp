// Renders generated invoices of growing item counts and reports the time of each run, onto a
// recording (the layout alone) and into a PDF file (layout, library and writing). The block
// search reads the file once per run, so the time per item should stay flat as the count grows.
//
//   render_bench [largest item count]     (default 10000; runs 100, 1000, ... up to it)

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "layout/renderlauf.h"
#include "output/aufzeichnung.h"
#include "output/pdfausgabe.h"
#include "output/tpdf.h"
#include "text/zahlen.h"

namespace {

std::string rechnung(int posten) {
    std::string x =
        "<Invoice>\n<cbc:ID>BENCH-1</cbc:ID>\n<cbc:IssueDate>2025-01-31</cbc:IssueDate>\n"
        "<cac:AccountingSupplierParty>\n<cac:Party>\n<cac:PartyLegalEntity>\n"
        "<cbc:RegistrationName>Lieferant GmbH</cbc:RegistrationName>\n</cac:PartyLegalEntity>\n"
        "</cac:Party>\n</cac:AccountingSupplierParty>\n<cac:LegalMonetaryTotal>\n"
        "<cbc:PayableAmount currencyID=\"EUR\">1.00</cbc:PayableAmount>\n"
        "</cac:LegalMonetaryTotal>\n";
    for (int i = 1; i <= posten; ++i) {
        x += "<cac:InvoiceLine>\n<cbc:ID>" + std::to_string(i) +
             "</cbc:ID>\n<cbc:InvoicedQuantity unitCode=\"C62\">2</cbc:InvoicedQuantity>\n"
             "<cbc:LineExtensionAmount currencyID=\"EUR\">19.90</cbc:LineExtensionAmount>\n"
             "<cac:Item>\n<cbc:Name>Artikel mit einem Namen, der zwei Zeilen braucht, Nr. " +
             std::to_string(i) +
             "</cbc:Name>\n<cac:ClassifiedTaxCategory>\n<cbc:Percent>19</cbc:Percent>\n"
             "</cac:ClassifiedTaxCategory>\n</cac:Item>\n<cac:Price>\n"
             "<cbc:PriceAmount currencyID=\"EUR\">9.95</cbc:PriceAmount>\n</cac:Price>\n"
             "</cac:InvoiceLine>\n";
    }
    return x + "</Invoice>\n";
}

template <typename F>
double sekunden(F f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int groesste = argc > 1 ? std::atoi(argv[1]) : 10000;
    tolvek::setdecimalseparator(',');
    const auto ordner = std::filesystem::temp_directory_path() / "tolvek-render-bench";
    std::filesystem::create_directories(ordner);
    std::unique_ptr<tolvek::TPDF> pdf;
    std::printf("%8s %8s %12s %14s %12s %14s\n", "items", "pages", "recording", "per item", "PDF",
                "per item");
    for (int n = 100; n <= groesste; n *= 10) {
        const std::string pfad = (ordner / ("bench-" + std::to_string(n) + ".xml")).string();
        std::ofstream(pfad, std::ios::binary) << rechnung(n);
        tolvek::Aufzeichnung aufzeichnung;
        const double t1 = sekunden([&] {
            tolvek::Hauptfelder felder;
            tolvek::rendere(felder, pfad, false, aufzeichnung);
        });
        const double t2 = sekunden([&] {
            tolvek::PdfAusgabe ausgabe(pdf);
            tolvek::Hauptfelder felder;
            tolvek::rendere(felder, pfad, false, ausgabe);
        });
        std::printf("%8d %8d %10.3f s %11.1f us %10.3f s %11.1f us\n", n, aufzeichnung.seiten(), t1,
                    t1 / n * 1e6, t2, t2 / n * 1e6);
    }
    std::filesystem::remove_all(ordner);
    return 0;
}
