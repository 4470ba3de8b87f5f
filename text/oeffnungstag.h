#pragma once
// Finding an element's opening tag, shared by the block search and the value lookup.
//
// The opening tag of open is the literal "<" + open + ">", or "<" + open followed by a blank,
// tab, CR or LF and then anything up to the next ">" (attributes), unless that ">" ends a
// self-closing "/>", which is no opening tag. The leftmost such tag counts. open may carry an
// attribute text itself (cbc:InvoicedQuantity unitCode="C62"); a name is never found as the
// start of a longer name (cbc:ID does not find <cbc:IDx>).

#include <cstdint>

#include "text/text.h"

namespace tolvek {

struct Oeffnungstag {
    int32_t p = 0;       // position of its "<"; 0 when there is no opening tag
    int32_t hinter = 0;  // position of the first byte behind its ">"
};

class Oeffnungssuche {
  public:
    explicit Oeffnungssuche(const Text& open) : kopf_("<" + open) {}

    Oeffnungstag in(const Text& s) const;

  private:
    Text kopf_;  // "<" + open
};

}  // namespace tolvek
