#include "rechnungen.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "layout/renderlauf.h"
#include "text/zahlen.h"

namespace tolvek::test {

namespace fs = std::filesystem;

Text fixture(const std::string& name) {
    return std::string(TOLVEK_INVOICES_DIR) + "/" + name;
}

namespace {

// The scratch folders go when the test program ends, unless TOLVEK_TESTS_BEHALTEN is set to
// look at what a failing test left.
struct Aufraeumen {
    std::vector<fs::path> ordner;
    ~Aufraeumen() {
        if (std::getenv("TOLVEK_TESTS_BEHALTEN") != nullptr) {
            return;
        }
        for (const fs::path& o : ordner) {
            std::error_code fehler;
            fs::remove_all(o, fehler);
        }
    }
};

Aufraeumen& aufraeumen() {
    static Aufraeumen a;
    return a;
}

}  // namespace

std::string scratchordner() {
    static std::atomic<int> zaehler{0};
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = "tolvek-layout";
    if (info != nullptr) {
        name += std::string("-") + info->test_suite_name() + "-" + info->name();
    }
    for (char& c : name) {
        if (c == '/') {
            c = '_';
        }
    }
    const fs::path ordner =
        fs::path(::testing::TempDir()) /
        (name + "-" + std::to_string(::getpid()) + "-" + std::to_string(zaehler++));
    fs::remove_all(ordner);
    fs::create_directories(ordner);
    aufraeumen().ordner.push_back(ordner);
    return ordner.string();
}

Text schreibe(const std::string& ordner, const std::string& name, const std::string& inhalt) {
    const std::string pfad = ordner + "/" + name;
    std::ofstream aus(pfad, std::ios::binary);
    aus << inhalt;
    return pfad;
}

Rechnung Rechnung::mitposten(int n) {
    Rechnung r;
    for (int i = 1; i <= n; ++i) {
        Posten p;
        p.name = "Artikel " + std::to_string(i);
        r.posten.push_back(p);
    }
    return r;
}

std::string Rechnung::xml() const {
    std::string x =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<Invoice xmlns=\"urn:oasis:names:specification:ubl:schema:xsd:Invoice-2\">\n"
        "<cbc:ID>" +
        nummer +
        "</cbc:ID>\n"
        "<cbc:IssueDate>2025-12-31</cbc:IssueDate>\n"
        "<cbc:DocumentCurrencyCode>EUR</cbc:DocumentCurrencyCode>\n"
        "<cac:AccountingSupplierParty>\n<cac:Party>\n"
        "<cac:PostalAddress>\n<cbc:StreetName>Weg 1</cbc:StreetName>\n"
        "<cbc:CityName>Bonn</cbc:CityName>\n<cbc:PostalZone>53111</cbc:PostalZone>\n"
        "</cac:PostalAddress>\n"
        "<cac:PartyTaxScheme>\n<cbc:CompanyID>DE999999999</cbc:CompanyID>\n"
        "</cac:PartyTaxScheme>\n"
        "<cac:PartyLegalEntity>\n<cbc:RegistrationName>Lieferant GmbH</cbc:RegistrationName>\n"
        "</cac:PartyLegalEntity>\n"
        "</cac:Party>\n</cac:AccountingSupplierParty>\n"
        "<cac:AccountingCustomerParty>\n<cac:Party>\n"
        "<cac:PostalAddress>\n<cbc:StreetName>Platz 2</cbc:StreetName>\n"
        "<cbc:CityName>Trier</cbc:CityName>\n<cbc:PostalZone>54290</cbc:PostalZone>\n";
    if (kundenadresszeile) {
        x += "<cac:AddressLine>\n<cbc:Line>Abteilung Einkauf</cbc:Line>\n</cac:AddressLine>\n";
    }
    x += "</cac:PostalAddress>\n"
         "<cac:PartyLegalEntity>\n<cbc:RegistrationName>Kunde KG</cbc:RegistrationName>\n"
         "</cac:PartyLegalEntity>\n"
         "</cac:Party>\n</cac:AccountingCustomerParty>\n";
    if (!zahlungshinweis.empty()) {
        x += "<cac:PaymentTerms>\n<cbc:Note>" + zahlungshinweis +
             "</cbc:Note>\n</cac:PaymentTerms>\n";
    }
    x += "<cac:LegalMonetaryTotal>\n" + gesamt + "</cac:LegalMonetaryTotal>\n";
    int nr = 0;
    for (const Posten& p : posten) {
        x += "<cac:InvoiceLine>\n<cbc:ID>" + std::to_string(++nr) + "</cbc:ID>\n" + p.menge +
             "\n<cbc:LineExtensionAmount currencyID=\"EUR\">" + p.betrag +
             "</cbc:LineExtensionAmount>\n<cac:Item>\n";
        if (!p.beschreibung.empty()) {
            x += "<cbc:Description>" + p.beschreibung + "</cbc:Description>\n";
        }
        x += "<cbc:Name>" + p.name +
             "</cbc:Name>\n"
             "<cac:ClassifiedTaxCategory>\n<cbc:ID>S</cbc:ID>\n<cbc:Percent>" +
             p.satz +
             "</cbc:Percent>\n</cac:ClassifiedTaxCategory>\n</cac:Item>\n"
             "<cac:Price>\n" +
             p.preis + "\n</cac:Price>\n</cac:InvoiceLine>\n";
    }
    x += "</Invoice>\n";
    return x;
}

Aufzeichnung rendereaufzeichnung(const Text& pfad, bool langtext) {
    setdecimalseparator(',');
    Aufzeichnung a;
    Hauptfelder felder;
    rendere(felder, pfad, langtext, a);
    return a;
}

std::vector<Platzierung> aufseite(const Aufzeichnung& a, int seite) {
    std::vector<Platzierung> ergebnis;
    for (const Platzierung& p : a.platzierungen()) {
        if (p.seite == seite) {
            ergebnis.push_back(p);
        }
    }
    return ergebnis;
}

std::vector<std::string> sichtbar(const Aufzeichnung& a) {
    std::vector<std::string> zeilen;
    for (const Platzierung& p : a.platzierungen()) {
        if (!p.text.empty()) {
            zeilen.push_back(Aufzeichnung::zeile(p));
        }
    }
    return zeilen;
}

Platzierung finde(const Aufzeichnung& a, const Text& text) {
    for (const Platzierung& p : a.platzierungen()) {
        if (p.text == text) {
            return p;
        }
    }
    ADD_FAILURE() << "not placed: " << text;
    return Platzierung{0, 0, 0, "", "", 0};
}

bool enthaelt(const Aufzeichnung& a, const Text& text) {
    for (const Platzierung& p : a.platzierungen()) {
        if (p.text == text) {
            return true;
        }
    }
    return false;
}

}  // namespace tolvek::test
