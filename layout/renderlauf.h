#pragma once
// The render run: an e-invoice file laid out as a German A4 invoice onto one output.

#include <cstdint>

#include "output/ausgabe.h"
#include "text/text.h"

namespace tolvek {

// The fields of the main window that a render run reads and writes. The window derives from
// this, so the fields carry their names there; tolvek-render keeps one of its own.
struct Hauptfelder {
    Text dateiname;       // the e-invoice path; after a PDF run the PDF file name
    int32_t blocknr = 0;  // which block the block search returns, counted from 1
    int32_t wertnr = 0;   // which element the value lookup returns, counted from 1
};

// Renders the e-invoice at pfad onto ausgabe: header and party blocks, line items with page
// switches, totals, the last footer, then the completion. The PDF goes into the e-invoice's
// folder as "Beleg-" + invoice number + ".pdf". Returns the path of the written PDF, or the empty
// text for printer output. Any error ends the run; the output is discarded and the error
// passed on.
Text rendere(Hauptfelder& felder, const Text& pfad, bool langtext, Ausgabe& ausgabe);

}  // namespace tolvek
