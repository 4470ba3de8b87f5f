#pragma once
// The printer sink: Qt's printer with a painter as the canvas. A job is in progress while the
// painter is active on the printer; the first placement of a run begins it.

#include <cstdint>

#include <QPainter>
#include <QPrinter>

#include "output/ausgabe.h"
#include "text/text.h"

namespace tolvek {

class DruckerAusgabe final : public Ausgabe {
  public:
    explicit DruckerAusgabe(QPrinter& drucker);
    ~DruckerAusgabe() override;
    DruckerAusgabe(const DruckerAusgabe&) = delete;
    DruckerAusgabe& operator=(const DruckerAusgabe&) = delete;

    // The printer's canvas; active while a job is in progress.
    QPainter& druckcanvas() { return canvas_; }
    bool jobaktiv() const { return canvas_.isActive(); }

    // Feeds a new page when a job is in progress.
    void neueseite() override;
    // Ends the job when one is in progress (the pages are printed); writes no file of its own
    // and returns the empty text.
    Text abschliessen(const Text& pdfpfad) override;
    // Aborts the job in progress and ends the painter, so no half-done job carries over.
    void verwerfen() noexcept override;

    // Whole device pixels per millimetre for a resolution in pixels per inch, halves to even:
    // 300 gives 12, 600 gives 24, 1200 gives 47.
    static int32_t pixelpromm(int dpi);

  protected:
    void platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                   int32_t schriftgroesse) override;

  private:
    QPrinter& drucker_;
    QPainter canvas_;
};

}  // namespace tolvek
