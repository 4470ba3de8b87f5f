#include "platform/dynapdf/schriften.h"

#include <cairo-ft.h>

#include "platform/dynapdf/utf16.h"

namespace dynapdf {

namespace {

Schrift aufloesen(const std::string& familie) {
    Muster muster(FcPatternCreate());
    if (!muster) {
        return nullptr;
    }
    const auto* name = reinterpret_cast<const FcChar8*>(familie.c_str());
    if (!FcPatternAddString(muster.get(), FC_FAMILY, name) ||
        !FcPatternAddInteger(muster.get(), FC_WEIGHT, FC_WEIGHT_REGULAR) ||
        !FcPatternAddInteger(muster.get(), FC_SLANT, FC_SLANT_ROMAN)) {
        return nullptr;
    }
    // The configuration's aliases are what maps "Arial" onto a metric-compatible family.
    if (!FcConfigSubstitute(nullptr, muster.get(), FcMatchPattern)) {
        return nullptr;
    }
    FcDefaultSubstitute(muster.get());
    FcResult ergebnis = FcResultNoMatch;
    Muster treffer(FcFontMatch(nullptr, muster.get(), &ergebnis));
    if (!treffer || ergebnis != FcResultMatch) {
        return nullptr;
    }
    // cairo keeps its own reference to the pattern and loads the matched file from it.
    Schrift schrift(cairo_ft_font_face_create_for_pattern(treffer.get()));
    if (cairo_font_face_status(schrift.get()) != CAIRO_STATUS_SUCCESS) {
        return nullptr;
    }
    return schrift;
}

}  // namespace

Schriften::Treffer Schriften::suche(std::u16string_view familie) {
    for (std::size_t i = 0; i < eintraege_.size(); ++i) {
        if (eintraege_[i].familie == familie) {
            return {static_cast<int32_t>(i + 1), eintraege_[i].schrift.get()};
        }
    }
    if (familie.empty()) {
        return {0, nullptr};
    }
    Schrift schrift = aufloesen(utf8(familie));
    if (!schrift) {
        return {0, nullptr};
    }
    eintraege_.push_back({std::u16string(familie), std::move(schrift)});
    return {static_cast<int32_t>(eintraege_.size()), eintraege_.back().schrift.get()};
}

}  // namespace dynapdf
