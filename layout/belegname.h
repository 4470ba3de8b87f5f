#pragma once
// Where a render run puts its PDF: "Beleg-" + invoice number + ".pdf" beside the e-invoice.

#include "text/text.h"

namespace tolvek {

// The invoice number with every byte a file name cannot hold on Linux or Windows
// (/ \ : * ? " < > | and bytes below 0x20) turned into "_": RE/2024/001 gives RE_2024_001.
Text dateinamensicher(const Text& rechnungsnr);

// "Beleg-" + the safe invoice number + ".pdf".
Text belegname(const Text& rechnungsnr);

// The folder of the e-invoice at pfad (the current directory for a bare file name), "/", and
// the PDF's file name.
Text belegpfad(const Text& pfad, const Text& name);

}  // namespace tolvek
