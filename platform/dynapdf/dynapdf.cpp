// The exports of dynapdf.dll. Each one checks the instance, calls into the C++ side and turns
// every exception into the result 0: nothing thrown here may reach a C caller.

#include "platform/dynapdf/dynapdf.h"

#include <new>

#include "platform/dynapdf/instanz.h"

struct dynapdf_instance {
    dynapdf::Instanz instanz;
};

namespace {

template <typename Aufruf>
int32_t sicher(dynapdf_instance* pdf, Aufruf aufruf) noexcept {
    if (pdf == nullptr) {
        return 0;
    }
    try {
        return static_cast<int32_t>(aufruf(pdf->instanz));
    } catch (...) {
        return 0;
    }
}

}  // namespace

extern "C" {

dynapdf_instance* pdfNewPDF(void) {
    try {
        return new dynapdf_instance{};
    } catch (...) {
        return nullptr;
    }
}

int32_t pdfDeletePDF(dynapdf_instance* pdf) {
    if (pdf == nullptr) {
        return 0;
    }
    delete pdf;
    return 1;
}

int32_t pdfCreateNewPDFA(dynapdf_instance* pdf, const char* outputfile) {
    return sicher(pdf, [=](dynapdf::Instanz& i) { return i.neuesdokument(outputfile); });
}

int32_t pdfHaveOpenDoc(dynapdf_instance* pdf) {
    return sicher(pdf, [](dynapdf::Instanz& i) { return i.dokumentoffen(); });
}

int32_t pdfAppend(dynapdf_instance* pdf) {
    return sicher(pdf, [](dynapdf::Instanz& i) { return i.neueseite(); });
}

int32_t pdfEndPage(dynapdf_instance* pdf) {
    return sicher(pdf, [](dynapdf::Instanz& i) { return i.seitebeenden(); });
}

int32_t pdfSetPageFormat(dynapdf_instance* pdf, int32_t format) {
    return sicher(pdf, [=](dynapdf::Instanz& i) { return i.seitenformat(format); });
}

int32_t pdfSetFontW(dynapdf_instance* pdf, const char16_t* fontname, int32_t style, double size,
                    int32_t embed, int32_t codepage) {
    return sicher(pdf, [=](dynapdf::Instanz& i) {
        return i.schrift(fontname, style, size, embed, codepage);
    });
}

int32_t pdfWriteTextW(dynapdf_instance* pdf, double posx, double posy, const char16_t* text) {
    return sicher(pdf, [=](dynapdf::Instanz& i) { return i.schreibe(posx, posy, text); });
}

int32_t pdfOpenOutputFileA(dynapdf_instance* pdf, const char* outfile) {
    return sicher(pdf, [=](dynapdf::Instanz& i) { return i.ausgabedatei(outfile); });
}

int32_t pdfCloseFile(dynapdf_instance* pdf) {
    return sicher(pdf, [](dynapdf::Instanz& i) { return i.schliessen(); });
}

}  // extern "C"
