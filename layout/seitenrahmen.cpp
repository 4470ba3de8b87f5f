// The page frame: the supplier footer of every page and the switch to a continuation page.
#include "layout/renderzustand.h"

namespace tolvek {

void fusszeile(Renderzustand& z) {
    const int32_t a = z.zeilenabstand;
    z.drucke(20, 270, trennlinie);
    z.drucke(20, 270 + a, z.absname);
    z.drucke(20, 270 + 2 * a, z.absstrasse);
    z.drucke(20, 270 + 3 * a, z.absort);
    z.drucke(80, 270 + a, "Telefon: " + z.abstelefon);
    z.drucke(80, 270 + 2 * a, "Email: " + z.absemail);
    z.drucke(80, 270 + 3 * a, "IBAN: " + z.absiban);
    z.drucke(140, 270 + a, "UST-ID: " + z.absustid);
    z.drucke(140, 270 + 2 * a, "Steuernummer: " + z.abssteuernr);
}

void seitenwechsel(Renderzustand& z) {
    fusszeile(z);
    z.seite += 1;
    z.ausgabe.neueseite();
    // The continuation header: name, invoice number and page number over a rule; the column
    // heads are not repeated.
    z.drucke(20, 5, z.absname);
    z.drucke(80, 5, "Rechnung " + z.rechnungsnr);
    z.drucke(140, 5, "Seite " + formatinteger(z.seite));
    z.drucke(20, 5 + z.zeilenabstand, trennlinie);
    z.ypos = 5 + 2 * z.zeilenabstand;
}

}  // namespace tolvek
