#include "tests/dynapdf/pdflesen.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <poppler-document.h>
#include <poppler-font.h>
#include <poppler-global.h>
#include <poppler-page.h>

#include <memory>
#include <stdexcept>

namespace tolvek::test {

namespace {

std::string utf8(const poppler::ustring& s) {
    const poppler::byte_array b = s.to_utf8();
    return std::string(b.begin(), b.end());
}

void sammle(const std::string& meldung, void* closure) {
    static_cast<std::vector<std::string>*>(closure)->push_back(meldung);
}

}  // namespace

Pdf lies(const std::string& datei) {
    Pdf pdf;
    poppler::set_debug_error_function(sammle, &pdf.meldungen);
    std::unique_ptr<poppler::document> dokument(poppler::document::load_from_file(datei));
    if (dokument) {
        pdf.geladen = true;
        pdf.producer = utf8(dokument->info_key("Producer"));
        pdf.creator = utf8(dokument->info_key("Creator"));
        pdf.erstellungsdatum = dokument->info_date_t("CreationDate") > 0;
        for (const poppler::font_info& f : dokument->fonts()) {
            pdf.schriften.push_back({f.name(), f.is_embedded()});
        }
        for (int i = 0; i < dokument->pages(); ++i) {
            std::unique_ptr<poppler::page> p(dokument->create_page(i));
            const poppler::rectf r = p->page_rect();
            Seite seite{r.width(), r.height(), {}};
            for (const poppler::text_box& box : p->text_list()) {
                const poppler::rectf b = box.bbox();
                seite.woerter.push_back({utf8(box.text()), b.left(), b.top(), b.bottom()});
            }
            pdf.seiten.push_back(std::move(seite));
        }
    }
    poppler::set_debug_error_function(nullptr, nullptr);
    return pdf;
}

Schriftmass schriftmass(const std::string& familie) {
    FcPattern* muster = FcNameParse(reinterpret_cast<const FcChar8*>(familie.c_str()));
    FcConfigSubstitute(nullptr, muster, FcMatchPattern);
    FcDefaultSubstitute(muster);
    FcResult ergebnis;
    FcPattern* treffer = FcFontMatch(nullptr, muster, &ergebnis);
    FcPatternDestroy(muster);
    FcChar8* datei = nullptr;
    int index = 0;
    if (treffer == nullptr || FcPatternGetString(treffer, FC_FILE, 0, &datei) != FcResultMatch) {
        throw std::runtime_error("fontconfig finds no font for " + familie);
    }
    FcPatternGetInteger(treffer, FC_INDEX, 0, &index);
    const std::string pfad = reinterpret_cast<const char*>(datei);
    FcPatternDestroy(treffer);

    FT_Library ft = nullptr;
    FT_Face face = nullptr;
    if (FT_Init_FreeType(&ft) != 0 || FT_New_Face(ft, pfad.c_str(), index, &face) != 0) {
        FT_Done_FreeType(ft);
        throw std::runtime_error("FreeType cannot open " + pfad);
    }
    const char* ps = FT_Get_Postscript_Name(face);
    const double em = face->units_per_EM;
    Schriftmass mass{ps ? ps : "", face->ascender / em, -face->descender / em};
    FT_Done_Face(face);
    FT_Done_FreeType(ft);
    return mass;
}

}  // namespace tolvek::test
