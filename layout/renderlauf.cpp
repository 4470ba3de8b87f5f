// The render run: the state every section shares, the sections in their order, the completion.
#include "layout/renderlauf.h"

#include "layout/belegname.h"
#include "layout/renderzustand.h"

namespace tolvek {

Text rendere(Hauptfelder& felder, const Text& pfad, bool langtext, Ausgabe& ausgabe) {
    felder.dateiname = pfad;
    felder.wertnr = 1;
    felder.blocknr = 1;
    Renderzustand z(felder, ausgabe, langtext);
    try {
        kopf(z);
        positionen(z);
        summen(z);

        // The invoice number as read names the file, made safe for a file name; the file
        // always lands beside the e-invoice.
        const Text name = belegname(z.rechnungsnr);
        const Text geschrieben = ausgabe.abschliessen(belegpfad(pfad, name));
        if (!geschrieben.empty()) {
            felder.dateiname = name;
        }
        return geschrieben;
    } catch (...) {
        // A failed run leaves no job or document open for the next one to continue.
        ausgabe.verwerfen();
        throw;
    }
}

}  // namespace tolvek
