#pragma once
// One output sink of a render run: the PDF document, the printer, or (in tests) a recording.
// The layout talks only to this interface; each sink keeps its own job or document state.

#include <cstdint>

#include "text/clear.h"
#include "text/text.h"

namespace tolvek {

class Ausgabe {
  public:
    virtual ~Ausgabe() = default;

    // The placement primitive: one text at (x, y), whole millimetres from the page's top-left
    // corner, in the given font and size (points). The text is normalised before it is placed;
    // the first placement of a run opens the sink's job or document.
    void drucke(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                int32_t schriftgroesse) {
        platziere(x, y, clear(text), schriftart, schriftgroesse);
    }

    // Ends the current page and opens the next one (a page switch of the layout).
    virtual void neueseite() = 0;

    // Completion of a successful run: ends the print job, or ends the last page and writes the
    // document to pdfpfad. Returns the path of the written file, or the empty text when the
    // sink writes no file. Raises an error when the file could not be written.
    virtual Text abschliessen(const Text& pdfpfad) = 0;

    // Discards whatever a failed run opened (aborts the print job, drops the document), so the
    // next run starts afresh. Never throws.
    virtual void verwerfen() noexcept = 0;

  protected:
    // Places an already normalised Windows-1252 text.
    virtual void platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                           int32_t schriftgroesse) = 0;
};

}  // namespace tolvek
