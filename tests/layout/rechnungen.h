#pragma once
// Test invoices: the fixture folder, a scratch folder per test, and small UBL invoices built in
// code where a test needs many items or one varied value.

#include <string>
#include <vector>

#include "output/aufzeichnung.h"
#include "text/text.h"

namespace tolvek::test {

// Path of a fixture in tests/fixtures/invoices.
Text fixture(const std::string& name);

// A fresh empty folder for the running test.
std::string scratchordner();

// Writes inhalt to ordner/name and returns the path.
Text schreibe(const std::string& ordner, const std::string& name, const std::string& inhalt);

struct Posten {
    std::string name = "Artikel";
    std::string satz = "19";
    std::string betrag = "10.00";
    std::string menge = "<cbc:InvoicedQuantity unitCode=\"C62\">1</cbc:InvoicedQuantity>";
    std::string preis = "<cbc:PriceAmount currencyID=\"EUR\">10.00</cbc:PriceAmount>";
    std::string beschreibung;  // empty: no Description element
};

struct Rechnung {
    std::string nummer = "R-1";
    bool kundenadresszeile = false;
    std::vector<Posten> posten;
    // The content of cac:LegalMonetaryTotal.
    std::string gesamt =
        "<cbc:TaxExclusiveAmount currencyID=\"EUR\">10.00</cbc:TaxExclusiveAmount>\n"
        "<cbc:TaxInclusiveAmount currencyID=\"EUR\">11.90</cbc:TaxInclusiveAmount>\n"
        "<cbc:AllowanceTotalAmount currencyID=\"EUR\">0.00</cbc:AllowanceTotalAmount>\n"
        "<cbc:PrepaidAmount currencyID=\"EUR\">0.00</cbc:PrepaidAmount>\n"
        "<cbc:PayableAmount currencyID=\"EUR\">11.90</cbc:PayableAmount>\n";
    std::string zahlungshinweis;  // empty: no PaymentTerms

    // n items "Artikel 1" ... "Artikel n" at 19 % and 10.00 each.
    static Rechnung mitposten(int n);
    // The invoice as UBL text with LF line ends, one element per line.
    std::string xml() const;
};

// Renders the file at pfad onto a recording, with the German decimal comma.
Aufzeichnung rendereaufzeichnung(const Text& pfad, bool langtext = false);

// The placements of one page, or those at one x and page.
std::vector<Platzierung> aufseite(const Aufzeichnung& a, int seite);
// The lines "seite x y groesse text" of every placement whose text is not empty.
std::vector<std::string> sichtbar(const Aufzeichnung& a);
// Finds the first placement of text (after normalisation); fails the test when absent.
Platzierung finde(const Aufzeichnung& a, const Text& text);
bool enthaelt(const Aufzeichnung& a, const Text& text);

}  // namespace tolvek::test
