// The block search with the access pattern of a render run: the header values and blocks, one
// call per invoice line with blocknr counting up until the empty block, a few value lookups in
// each line, then the totals. Once with getdata, which reads the file from its start on every
// call, once with Blocksuche, which reads it once. Prints the time of each and checks that both
// saw the same blocks.
//
//   bench_blocksuche [largest item count] [largest count for getdata]
//       defaults 10000 and 1000: item counts 100, 300, 1000, 3000, 10000; getdata, whose time
//       grows with the square of the count, only up to the second figure.

#include <stdlib.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>

#include "text/blocksuche.h"
#include "text/wertsuche.h"

namespace {

using tolvek::Text;

// A UBL invoice laid out as the generators write it: one element per line, LF line ends,
// attributes on amounts and quantities, a comment now and then.
std::string rechnung(int posten) {
    std::string x =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<ubl:Invoice xmlns:ubl=\"urn:oasis:names:specification:ubl:schema:xsd:Invoice-2\">\n"
        "  <cbc:ID>BENCH-1</cbc:ID>\n  <cbc:IssueDate>2025-01-31</cbc:IssueDate>\n"
        "  <cbc:DueDate>2025-02-28</cbc:DueDate>\n"
        "  <cbc:DocumentCurrencyCode>EUR</cbc:DocumentCurrencyCode>\n"
        "  <cbc:BuyerReference>04011000-12345-03</cbc:BuyerReference>\n"
        "  <cac:OrderReference>\n    <cbc:ID>B-77</cbc:ID>\n  </cac:OrderReference>\n"
        "  <cac:AccountingSupplierParty>\n    <cac:Party>\n"
        "      <cbc:EndpointID schemeID=\"EM\">rechnung@lieferant.de</cbc:EndpointID>\n"
        "      <cac:PartyName>\n        <cbc:Name>Lieferant GmbH</cbc:Name>\n"
        "      </cac:PartyName>\n      <cac:PartyTaxScheme>\n"
        "        <cbc:CompanyID>DE123456789</cbc:CompanyID>\n"
        "        <cac:TaxScheme>\n          <cbc:ID>VAT</cbc:ID>\n        </cac:TaxScheme>\n"
        "      </cac:PartyTaxScheme>\n      <cac:PartyLegalEntity>\n"
        "        <cbc:RegistrationName>Lieferant GmbH</cbc:RegistrationName>\n"
        "        <cbc:CompanyID schemeID=\"0002\">HRB 1234</cbc:CompanyID>\n"
        "      </cac:PartyLegalEntity>\n    </cac:Party>\n  </cac:AccountingSupplierParty>\n"
        "  <cac:AccountingCustomerParty>\n    <cac:Party>\n      <cac:PartyName>\n"
        "        <cbc:Name>Kunde AG</cbc:Name>\n      </cac:PartyName>\n    </cac:Party>\n"
        "  </cac:AccountingCustomerParty>\n"
        "  <cac:PaymentMeans>\n    <cbc:PaymentMeansCode>58</cbc:PaymentMeansCode>\n"
        "    <cac:PayeeFinancialAccount>\n      <cbc:ID>DE02120300000000202051</cbc:ID>\n"
        "    </cac:PayeeFinancialAccount>\n  </cac:PaymentMeans>\n"
        "  <cac:PaymentTerms>\n    <cbc:Note>Zahlbar binnen 30 Tagen</cbc:Note>\n"
        "  </cac:PaymentTerms>\n"
        "  <cac:LegalMonetaryTotal>\n"
        "    <cbc:PayableAmount currencyID=\"EUR\">1.00</cbc:PayableAmount>\n"
        "  </cac:LegalMonetaryTotal>\n";
    for (int i = 1; i <= posten; ++i) {
        const std::string nr = std::to_string(i);
        x += "  <cac:InvoiceLine>\n    <cbc:ID>" + nr + "</cbc:ID>\n" +
             (i % 50 == 0 ? "    <!-- Position " + nr + " geprüft -->\n" : std::string()) +
             "    <cbc:InvoicedQuantity unitCode=\"C62\">2</cbc:InvoicedQuantity>\n"
             "    <cbc:LineExtensionAmount currencyID=\"EUR\">19.90</cbc:LineExtensionAmount>\n"
             "    <cac:Item>\n"
             "      <cbc:Name>Artikel mit einem Namen, der zwei Zeilen braucht, Nr. " +
             nr +
             "</cbc:Name>\n      <cac:ClassifiedTaxCategory>\n"
             "        <cbc:ID>S</cbc:ID>\n        <cbc:Percent>19</cbc:Percent>\n"
             "        <cac:TaxScheme>\n          <cbc:ID>VAT</cbc:ID>\n"
             "        </cac:TaxScheme>\n      </cac:ClassifiedTaxCategory>\n    </cac:Item>\n"
             "    <cac:Price>\n"
             "      <cbc:PriceAmount currencyID=\"EUR\">9.95</cbc:PriceAmount>\n"
             "    </cac:Price>\n  </cac:InvoiceLine>\n";
    }
    return x + "</ubl:Invoice>\n";
}

using Suche = std::function<Text(int32_t blocknr, const Text& name)>;

// The calls of one render run; returns the number of invoice lines and a checksum of
// everything read, so both searches can be compared.
std::pair<int, std::size_t> renderlauf(const Suche& getdata) {
    std::size_t summe = 0;
    auto wert = [](const Text& f, const Text& name) { return tolvek::getvalue(f, name, name, 1); };
    for (const char* name :
         {"cbc:ID", "cbc:IssueDate", "cbc:DueDate", "cbc:DocumentCurrencyCode",
          "cbc:BuyerReference", "cac:OrderReference", "cac:AccountingSupplierParty",
          "cac:AccountingCustomerParty", "cac:PaymentMeans"}) {
        summe += getdata(1, name).size();
    }
    int zeilen = 0;
    for (int32_t nr = 1;; ++nr) {
        const Text block = getdata(nr, "cac:InvoiceLine");
        if (block.empty()) {
            break;
        }
        ++zeilen;
        summe += wert(block, "cbc:ID").size() + wert(wert(block, "cac:Item"), "cbc:Name").size() +
                 tolvek::getvalue(block, "cbc:InvoicedQuantity unitCode=\"C62\"",
                                  "cbc:InvoicedQuantity", 1)
                     .size() +
                 tolvek::getvalue(block, "cbc:LineExtensionAmount currencyID=\"EUR\"",
                                  "cbc:LineExtensionAmount", 1)
                     .size();
    }
    for (const char* name : {"cac:LegalMonetaryTotal", "cac:PaymentTerms"}) {
        summe += getdata(1, name).size();
    }
    return {zeilen, summe};
}

double sekunden(const std::function<void()>& f) {
    const auto start = std::chrono::steady_clock::now();
    f();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv) {
    const int groesste = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int groesste_rein = argc > 2 ? std::atoi(argv[2]) : 1000;

    std::string ordner =
        (std::filesystem::temp_directory_path() / "bench-blocksuche-XXXXXX").string();
    if (::mkdtemp(ordner.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string datei = ordner + "/rechnung.xml";

    std::printf("%8s %10s %14s %14s %10s\n", "items", "file", "getdata", "Blocksuche", "ratio");
    int fehler = 0;
    for (int posten : {100, 300, 1000, 3000, 10000, 30000, 100000}) {
        if (posten > groesste) {
            break;
        }
        const std::string inhalt = rechnung(posten);
        std::ofstream(datei, std::ios::binary) << inhalt;

        std::pair<int, std::size_t> zwischenspeicher;
        const double t_speicher = sekunden([&] {
            tolvek::Blocksuche suche;
            zwischenspeicher = renderlauf(
                [&](int32_t nr, const Text& name) { return suche.getdata(datei, nr, name, name); });
        });
        std::string rein_text = "-";
        std::string verhaeltnis = "-";
        if (posten <= groesste_rein) {
            std::pair<int, std::size_t> rein;
            const double t_rein = sekunden([&] {
                rein = renderlauf([&](int32_t nr, const Text& name) {
                    return tolvek::getdata(datei, nr, name, name);
                });
            });
            if (rein != zwischenspeicher) {
                std::fprintf(stderr, "%d items: the two searches differ\n", posten);
                ++fehler;
            }
            char puffer[32];
            std::snprintf(puffer, sizeof puffer, "%.1f ms", t_rein * 1000.0);
            rein_text = puffer;
            std::snprintf(puffer, sizeof puffer, "%.0f", t_rein / t_speicher);
            verhaeltnis = puffer;
        }
        if (zwischenspeicher.first != posten) {
            std::fprintf(stderr, "%d items: %d invoice lines found\n", posten,
                         zwischenspeicher.first);
            ++fehler;
        }
        std::printf("%8d %7zu kB %14s %11.1f ms %10s\n", posten, inhalt.size() / 1024,
                    rein_text.c_str(), t_speicher * 1000.0, verhaeltnis.c_str());
    }
    std::filesystem::remove_all(ordner);
    return fehler == 0 ? 0 : 1;
}
