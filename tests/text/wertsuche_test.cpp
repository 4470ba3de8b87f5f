// The value lookup inside a fragment.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "testdateien.h"
#include "text/blocksuche.h"
#include "text/wertsuche.h"

namespace tolvek {
namespace {

struct Fall {
    const char* name;
    Text fragment;
    Text open;
    int32_t wertnr;
    Text erwartet;
    Text close = open;
};

const Text MENGE_C62 = "cbc:InvoicedQuantity unitCode=\"C62\"";
const Text MENGE = "cbc:InvoicedQuantity";
const Text PREIS_EUR = "cbc:PriceAmount currencyID=\"EUR\"";
const Text PREIS = "cbc:PriceAmount";

const Text STEUERN =
    "    <cac:PartyTaxScheme>      <cbc:CompanyID>DE123456789</cbc:CompanyID>      "
    "<cac:TaxScheme><cbc:ID>VAT</cbc:ID></cac:TaxScheme>    </cac:PartyTaxScheme>    "
    "<cac:PartyTaxScheme>      <cbc:CompanyID>12/345/67890</cbc:CompanyID>      "
    "<cac:TaxScheme><cbc:ID>FC</cbc:ID></cac:TaxScheme>    </cac:PartyTaxScheme>  ";

const Fall FAELLE[] = {
    {"value", "<cbc:ID>7</cbc:ID>", "cbc:ID", 1, "7"},
    {"empty element", "<cbc:ID></cbc:ID>", "cbc:ID", 1, ""},
    {"no closing tag", "<cbc:ID>7", "cbc:ID", 1, ""},
    {"closing tag in front", "</cbc:ID><cbc:ID>7", "cbc:ID", 1, ""},
    {"no element", "<cbc:Name>x</cbc:Name>", "cbc:ID", 1, ""},
    {"empty fragment", "", "cbc:ID", 1, ""},
    {"first", "<cbc:ID>1</cbc:ID><cbc:ID>2</cbc:ID>", "cbc:ID", 1, "1"},
    {"second", "<cbc:ID>1</cbc:ID><cbc:ID>2</cbc:ID>", "cbc:ID", 2, "2"},
    {"third of two", "<cbc:ID>1</cbc:ID><cbc:ID>2</cbc:ID>", "cbc:ID", 3, ""},
    {"far beyond", "<cbc:ID>1</cbc:ID><cbc:ID>2</cbc:ID>", "cbc:ID", 2000000000, ""},
    {"wertnr 0 is the first", "<cbc:ID>1</cbc:ID><cbc:ID>2</cbc:ID>", "cbc:ID", 0, "1"},
    {"negative wertnr is the first", "<cbc:ID>1</cbc:ID><cbc:ID>2</cbc:ID>", "cbc:ID", -4, "1"},
    {"nested: first opening pairs with first closing", "<a>1<a>2</a>3</a>", "a", 1, "1<a>2"},
    {"different closing name", "<x:A>1</x:B>", "x:A", 1, "1", "x:B"},

    // Without its opening tag the value is the stretch in front of the closing tag, from
    // length(open) + 2 on: the layout reads quantities with other attributes out of it.
    {"quantity with another unit",
     "    <cbc:ID>1</cbc:ID>    <cbc:InvoicedQuantity unitCode=\"H87\">5</cbc:InvoicedQuantity>  ",
     MENGE_C62, 1, "cedQuantity unitCode=\"H87\">5", MENGE},
    {"quantity with another unit at the start",
     "<cbc:InvoicedQuantity unitCode=\"H87\">5</cbc:InvoicedQuantity>", MENGE_C62, 1, ">5", MENGE},
    {"quantity with the unit", "<cbc:InvoicedQuantity unitCode=\"C62\">5</cbc:InvoicedQuantity>",
     MENGE_C62, 1, "5", MENGE},
    {"amount in another currency", "<cbc:PriceAmount currencyID=\"USD\">12.50</cbc:PriceAmount>",
     PREIS_EUR, 1, ">12.50", PREIS},
    {"amount in another currency, indented",
     "    <cbc:PriceAmount currencyID=\"USD\">12.50</cbc:PriceAmount>", PREIS_EUR, 1, "USD\">12.50",
     PREIS},
    {"closing tag too early for the stretch", "ab</cbc:ID>", "cbc:ID", 1, ""},
    {"stretch behind a cut", "<x>1</x>abcdefgh</x>", "xyz", 2, "efgh", "x"},

    // The second tax scheme of a supplier.
    {"first scheme", STEUERN, "cac:PartyTaxScheme", 1,
     "      <cbc:CompanyID>DE123456789</cbc:CompanyID>      "
     "<cac:TaxScheme><cbc:ID>VAT</cbc:ID></cac:TaxScheme>    "},
    {"second scheme", STEUERN, "cac:PartyTaxScheme", 2,
     "      <cbc:CompanyID>12/345/67890</cbc:CompanyID>      "
     "<cac:TaxScheme><cbc:ID>FC</cbc:ID></cac:TaxScheme>    "},
    {"third scheme", STEUERN, "cac:PartyTaxScheme", 3, ""},

    // Attributes do not hide an element.
    {"attribute on a plain name", "<cbc:ID schemeID=\"0088\">4000001</cbc:ID>", "cbc:ID", 1,
     "4000001"},
    {"attribute on the register number",
     "<cac:PartyLegalEntity><cbc:RegistrationName>Firma</cbc:RegistrationName>"
     "<cbc:CompanyID schemeID=\"0088\">HRB 1234</cbc:CompanyID></cac:PartyLegalEntity>",
     "cbc:CompanyID", 1, "HRB 1234"},
    {"more attributes than the name carries",
     "<cbc:InvoicedQuantity unitCode=\"C62\" "
     "unitCodeListID=\"UNECERec20\">3</cbc:InvoicedQuantity>",
     MENGE_C62, 1, "3", MENGE},
    {"the leftmost form counts", "<cbc:ID a=\"1\">x</cbc:ID><cbc:ID>y</cbc:ID>", "cbc:ID", 1, "x"},
    {"second with attributes", "<cbc:ID a=\"1\">x</cbc:ID><cbc:ID b=\"2\">y</cbc:ID>", "cbc:ID", 2,
     "y"},
    {"line end and tab in front of the attribute", "<cbc:ID\r\n\tschemeID=\"1\">3</cbc:ID>",
     "cbc:ID", 1, "3"},
    {"closing > of a joined line",
     "        <cbc:LineExtensionAmount currencyID=\"EUR\"          "
     ">193.70</cbc:LineExtensionAmount>",
     "cbc:LineExtensionAmount currencyID=\"EUR\"", 1, "193.70", "cbc:LineExtensionAmount"},
    {"self-closing is invisible", "<cbc:ID schemeID=\"x\"/><cbc:ID>5</cbc:ID>", "cbc:ID", 1, "5"},
    {"self-closing with a blank", "<cbc:ID /><cbc:ID>5</cbc:ID>", "cbc:ID", 1, "5"},
    {"longer name", "<cbc:IDx>1</cbc:IDx><cbc:ID>2</cbc:ID>", "cbc:ID", 1, "2"},
    {"longer name alone", "<cbc:IDx>1</cbc:IDx>", "cbc:ID", 1, ""},
    {"attribute without its >", "<cbc:ID a=\"1\"", "cbc:ID", 1, ""},
};

TEST(Getvalue, Cases) {
    for (const Fall& f : FAELLE) {
        SCOPED_TRACE(f.name);
        EXPECT_EQ(getvalue(f.fragment, f.open, f.close, f.wertnr), f.erwartet);
    }
}

TEST(Getvalue, ChainedLookups) {
    EXPECT_EQ(getvalue(getvalue(STEUERN, "cac:PartyTaxScheme", "cac:PartyTaxScheme", 1),
                       "cbc:CompanyID", "cbc:CompanyID", 1),
              "DE123456789");
    EXPECT_EQ(getvalue(getvalue(STEUERN, "cac:PartyTaxScheme", "cac:PartyTaxScheme", 2),
                       "cbc:CompanyID", "cbc:CompanyID", 1),
              "12/345/67890");
}

// The lookups of the letterhead and the footer over the sample e-invoices, chained as the
// layout chains them, never return markup; the samples carry schemeID on most of them.
TEST(Getvalue, NoMarkupInTheCorpusLookups) {
    const std::vector<std::string> dateien = test::corpusdateien();
    if (dateien.empty()) {
        FAIL() << "corpus not found at " << TOLVEK_CORPUS_DIR;
    }
    auto wert = [](const Text& f, const Text& name) { return getvalue(f, name, name, 1); };
    std::size_t mitattribut = 0;
    std::size_t werte = 0;
    for (const std::string& datei : dateien) {
        SCOPED_TRACE(datei);
        Blocksuche suche;
        const Text lieferant = wert(
            suche.getdata(datei, 1, "cac:AccountingSupplierParty", "cac:AccountingSupplierParty"),
            "cac:Party");
        const Text legal = wert(lieferant, "cac:PartyLegalEntity");
        const std::vector<std::pair<Text, Text>> nachschlagen = {
            {legal, "cbc:CompanyID"},
            {wert(lieferant, "cac:PartyTaxScheme"), "cbc:CompanyID"},
            {lieferant, "cbc:EndpointID"},
            {wert(suche.getdata(datei, 1, "cac:PaymentMeans", "cac:PaymentMeans"),
                  "cac:PayeeFinancialAccount"),
             "cbc:ID"},
            {suche.getdata(datei, 1, "cac:InvoiceLine", "cac:InvoiceLine"), "cbc:ID"},
        };
        for (const auto& [fragment, name] : nachschlagen) {
            if (fragment.find("<" + name + " ") != Text::npos) {
                ++mitattribut;
            }
            const Text v = wert(fragment, name);
            if (!v.empty()) {
                ++werte;
            }
            EXPECT_EQ(v.find_first_of("<>"), Text::npos) << name << ": " << v;
        }
    }
    // The samples do exercise attributes and values.
    EXPECT_GT(mitattribut, dateien.size());
    EXPECT_GT(werte, 2 * dateien.size());
}

}  // namespace
}  // namespace tolvek
