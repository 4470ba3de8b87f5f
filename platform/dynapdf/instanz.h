#pragma once
// One library instance: the fonts it has resolved and at most one open document. Each method
// is one export of the library; false (or 0) means the call was refused or failed.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/dynapdf/dokument.h"
#include "platform/dynapdf/schriften.h"

namespace dynapdf {

class Instanz {
  public:
    bool neuesdokument(const char* ausgabedatei);
    bool dokumentoffen() const { return dokument_ != nullptr; }
    bool neueseite();
    bool seitebeenden();
    bool seitenformat(int32_t nummer);
    int32_t schrift(const char16_t* familie, int32_t stil, double groesse, int32_t einbetten,
                    int32_t codepage);
    bool schreibe(double x, double y, const char16_t* text);
    bool ausgabedatei(const char* name);
    bool schliessen();

  private:
    Schriften schriften_;
    std::unique_ptr<Dokument> dokument_;
};

}  // namespace dynapdf
