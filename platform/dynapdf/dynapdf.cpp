#include "platform/dynapdf/dynapdf.h"

extern "C" {

dynapdf_instance* pdfNewPDF(void) { return nullptr; }
int32_t pdfDeletePDF(dynapdf_instance*) { return 0; }
int32_t pdfCreateNewPDFA(dynapdf_instance*, const char*) { return 0; }
int32_t pdfHaveOpenDoc(dynapdf_instance*) { return 0; }
int32_t pdfAppend(dynapdf_instance*) { return 0; }
int32_t pdfEndPage(dynapdf_instance*) { return 0; }
int32_t pdfSetPageFormat(dynapdf_instance*, int32_t) { return 0; }
int32_t pdfSetFontW(dynapdf_instance*, const char16_t*, int32_t, double, int32_t, int32_t) {
    return 0;
}
int32_t pdfWriteTextW(dynapdf_instance*, double, double, const char16_t*) { return 0; }
int32_t pdfOpenOutputFileA(dynapdf_instance*, const char*) { return 0; }
int32_t pdfCloseFile(dynapdf_instance*) { return 0; }
}
