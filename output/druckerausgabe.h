#pragma once
// The printer sink: Qt's printer with a painter as the canvas. A job is in progress while the
// painter is active on the printer.
//
// Qt cannot take back what a painter has drawn on a printer: QPrinter::abort() is refused by
// its PDF and CUPS engines, and ending the painter sends the job. So the pages of a run are
// kept until its completion, and the job runs then, from begin to end, at the positions every
// placement asked for. A run that fails never begins its job, and nothing half-printed goes out.

#include <cstdint>
#include <vector>

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

    // The printer's canvas; active while the job is in progress.
    QPainter& druckcanvas() { return canvas_; }
    bool jobaktiv() const { return canvas_.isActive(); }
    // Pages of the current run waiting for the completion (0 when the run placed nothing).
    int32_t seiten() const { return static_cast<int32_t>(seiten_.size()); }

    // Starts the next page of the run.
    void neueseite() override;
    // Prints the run's pages as one job: begins it, draws every placement, feeds a page
    // between pages and ends it. Writes no file of its own and returns the empty text.
    // Raises Exception when the printer refuses the job.
    Text abschliessen(const Text& pdfpfad) override;
    // Drops the run's pages; a job in progress is aborted and its painter ended.
    void verwerfen() noexcept override;

    // Whole device pixels per millimetre for a resolution in pixels per inch, halves to even:
    // 300 gives 12, 600 gives 24, 1200 gives 47.
    static int32_t pixelpromm(int dpi);

  protected:
    void platziere(int32_t x, int32_t y, const Text& text, const Text& schriftart,
                   int32_t schriftgroesse) override;

  private:
    struct Eintrag {
        int32_t x;
        int32_t y;
        Text text;
        Text schriftart;
        int32_t groesse;
    };

    // Draws one placement on the active canvas.
    void zeichne(const Eintrag& e);

    QPrinter& drucker_;
    QPainter canvas_;
    std::vector<std::vector<Eintrag>> seiten_;
};

}  // namespace tolvek
