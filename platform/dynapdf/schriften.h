#pragma once
// The fonts of one library instance: a family name is resolved through fontconfig once and the
// cairo font face kept, because every placement sets its font again.

#include <cairo.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/dynapdf/zeiger.h"

namespace dynapdf {

class Schriften {
  public:
    struct Treffer {
        int32_t nummer;  // 1 and up, stable for the instance's lifetime
        cairo_font_face_t* schrift;
    };

    // The regular face of a family ("Arial" resolves to whatever fontconfig substitutes for
    // it). Returns nummer 0 when the name is empty or fontconfig offers no font at all.
    Treffer suche(std::u16string_view familie);

  private:
    struct Eintrag {
        std::u16string familie;
        Schrift schrift;
    };
    std::vector<Eintrag> eintraege_;
};

}  // namespace dynapdf
