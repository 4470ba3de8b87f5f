// The top of the first page: invoice data, letterhead, customer address, title, table header.
#include <cstdint>

#include "layout/renderzustand.h"

namespace tolvek {

namespace {

// YYYY-MM-DD as DD.MM.YYYY; an absent date gives "..", a time-zone suffix is ignored.
Text datumstext(const Text& t) {
    return copytext(t, 9, 2) + "." + copytext(t, 6, 2) + "." + copytext(t, 1, 4);
}

constexpr int32_t kLabelX = 115;
constexpr int32_t kWertX = 155;

// One row of the invoice data block: label before value, then the next row.
void datenzeile(Renderzustand& z, const Text& label, const Text& wert) {
    z.drucke(kLabelX, z.ypos, label);
    z.drucke(kWertX, z.ypos, wert);
    z.ypos += z.zeilenabstand;
}

// A row that vanishes whole, without advancing, when its value is empty.
void datenzeilewennda(Renderzustand& z, const Text& label, const Text& wert) {
    if (!wert.empty()) {
        datenzeile(z, label, wert);
    }
}

void rechnungsdaten(Renderzustand& z, const Text& lieferant, const Text& kontakt) {
    z.ypos = 15;

    z.rechnungsnr = z.block("cbc:ID");
    datenzeile(z, "Rechnungsnummer:", z.rechnungsnr);

    // The customer's identifier: the scheme attribute 0002 is removed before the lookup.
    const Text kennung =
        replaceall(z.wert(z.block("cac:AccountingCustomerParty"), "cac:PartyIdentification"),
                   " schemeID=\"0002\"", "");
    datenzeilewennda(z, "Kundennummer:", z.wert(kennung, "cbc:ID"));
    datenzeilewennda(z, "Bestellnummer:", z.wert(z.block("cac:OrderReference"), "cbc:ID"));
    datenzeile(z, "Rechnungsdatum:", datumstext(z.block("cbc:IssueDate")));
    datenzeile(z, "Lieferdatum:", datumstext(z.block("cbc:ActualDeliveryDate")));
    datenzeile(z, "F\xE4lligkeit:", datumstext(z.block("cbc:DueDate")));
    datenzeile(z, "W\xE4hrung:", z.block("cbc:DocumentCurrencyCode"));
    datenzeilewennda(z, "Leitweg:", z.block("cbc:BuyerReference"));
    datenzeilewennda(z,
                     "Ansprechpartner:", z.wert(z.wert(lieferant, "cac:AddressLine"), "cbc:Line"));

    z.absustid = z.wert(z.wert(lieferant, "cac:PartyTaxScheme"), "cbc:CompanyID");
    datenzeilewennda(z, "UST-ID:", z.absustid);

    // The tax number sits in the supplier's second tax scheme.
    z.felder.wertnr = 2;
    const Text zweitesschema = z.wert(lieferant, "cac:PartyTaxScheme");
    z.felder.wertnr = 1;
    z.abssteuernr = z.wert(zweitesschema, "cbc:CompanyID");
    datenzeilewennda(z, "Steuernummer:", z.abssteuernr);

    datenzeilewennda(
        z, "Handelsregister:", z.wert(z.wert(lieferant, "cac:PartyLegalEntity"), "cbc:CompanyID"));

    z.absiban = z.wert(z.block("cac:PaymentMeans"), "cbc:ID");
    datenzeilewennda(z, "IBAN:", z.absiban);
    datenzeilewennda(z, "Tel. Kunde:", z.wert(kontakt, "cbc:Telephone"));

    // The last row leaves ypos where it is.
    const Text email = z.wert(kontakt, "cbc:ElectronicMail");
    if (!email.empty()) {
        z.drucke(kLabelX, z.ypos, "Email Kunde:");
        z.drucke(kWertX, z.ypos, email);
    }
}

void briefkopf(Renderzustand& z, const Text& lieferant) {
    z.absname = z.wert(z.wert(lieferant, "cac:PartyLegalEntity"), "cbc:RegistrationName");
    z.drucke(20, 5, z.absname, 14);

    const Text anschrift = z.wert(lieferant, "cac:PostalAddress");
    z.absstrasse = z.wert(anschrift, "cbc:StreetName");
    z.drucke(20, 15, z.absstrasse, 10);
    z.absort = z.wert(anschrift, "cbc:PostalZone") + " " + z.wert(anschrift, "cbc:CityName");
    z.drucke(20, 15 + z.zeilenabstand, z.absort, 10);
    z.abstelefon = z.wert(lieferant, "cbc:Telephone");
    z.drucke(20, 15 + 2 * z.zeilenabstand, "Tel.:  " + z.abstelefon, 10);
    z.absemail = z.wert(lieferant, "cbc:ElectronicMail");
    z.drucke(20, 15 + 3 * z.zeilenabstand, "Email: " + z.absemail, 10);

    // The small sender line above the address window.
    z.drucke(20, 45, "Abs: " + z.absname, 7);
    z.drucke(20, 48, z.absstrasse + " - " + z.absort, 7);
    z.ypos = 48 + 3 + z.zeilenabstand;
}

void kundenanschrift(Renderzustand& z, const Text& kunde) {
    z.drucke(20, z.ypos, z.wert(kunde, "cbc:RegistrationName"), 12);
    z.ypos += z.zeilenabstand;
    const Text zusatz = z.wert(z.wert(kunde, "cac:AddressLine"), "cbc:Line");
    if (!zusatz.empty()) {
        z.drucke(20, z.ypos, zusatz, 12);
        z.ypos += z.zeilenabstand;
    }
    z.drucke(20, z.ypos, z.wert(kunde, "cbc:StreetName"), 12);
    z.ypos += z.zeilenabstand;
    z.drucke(20, z.ypos, z.wert(kunde, "cbc:PostalZone") + " " + z.wert(kunde, "cbc:CityName"), 12);
    z.ypos += 4 * z.zeilenabstand;
}

void tabellenkopf(Renderzustand& z) {
    z.drucke(20, z.ypos, "Rechnung  " + z.rechnungsnr, 14);
    z.ypos += 2 * z.zeilenabstand;
    z.drucke(20, z.ypos, trennlinie);
    z.ypos += z.zeilenabstand;
    // These x positions are the columns of the line items.
    z.drucke(20, z.ypos, "Pos");
    z.drucke(30, z.ypos, "ArtikelNr");
    z.drucke(50, z.ypos, "Bezeichnung");
    z.drucke(110, z.ypos, "Menge");
    z.drucke(125, z.ypos, "MWST");
    z.drucke(145, z.ypos, "Einzelpreis");
    z.drucke(165, z.ypos, "Gesamtpreis");
    z.ypos += 3;
    z.drucke(20, z.ypos, trennlinie);
}

}  // namespace

void kopf(Renderzustand& z) {
    // The party blocks are read before the first placement, so a file that cannot be read
    // stops the run before the output is opened.
    const Text lieferant = z.wert(z.block("cac:AccountingSupplierParty"), "cac:Party");
    const Text kunde = z.wert(z.block("cac:AccountingCustomerParty"), "cac:Party");
    const Text kontakt = z.wert(z.block("cac:AccountingCustomerParty"), "cac:Contact");
    rechnungsdaten(z, lieferant, kontakt);
    briefkopf(z, lieferant);
    kundenanschrift(z, kunde);
    tabellenkopf(z);
}

}  // namespace tolvek
