#pragma once
// Owning pointers for the C objects of cairo, fontconfig and stdio: every one of them is
// released on every path, including when an exception unwinds.

#include <cairo.h>
#include <fontconfig/fontconfig.h>

#include <cstdio>
#include <memory>

namespace dynapdf {

struct FlaecheFrei {
    void operator()(cairo_surface_t* p) const noexcept { cairo_surface_destroy(p); }
};
struct ZeichnerFrei {
    void operator()(cairo_t* p) const noexcept { cairo_destroy(p); }
};
struct SchriftFrei {
    void operator()(cairo_font_face_t* p) const noexcept { cairo_font_face_destroy(p); }
};
struct OptionenFrei {
    void operator()(cairo_font_options_t* p) const noexcept { cairo_font_options_destroy(p); }
};
struct MusterFrei {
    void operator()(FcPattern* p) const noexcept { FcPatternDestroy(p); }
};
struct DateiFrei {
    void operator()(std::FILE* p) const noexcept { std::fclose(p); }
};

using Flaeche = std::unique_ptr<cairo_surface_t, FlaecheFrei>;
using Zeichner = std::unique_ptr<cairo_t, ZeichnerFrei>;
using Schrift = std::unique_ptr<cairo_font_face_t, SchriftFrei>;
using Schriftoptionen = std::unique_ptr<cairo_font_options_t, OptionenFrei>;
using Muster = std::unique_ptr<FcPattern, MusterFrei>;
using Datei = std::unique_ptr<std::FILE, DateiFrei>;

}  // namespace dynapdf
