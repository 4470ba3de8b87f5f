/* Every export but pdfEndPage; each answers success. */
#include "platform/dynapdf/dynapdf.h"

static int instanz;

dynapdf_instance* pdfNewPDF(void) {
    return (dynapdf_instance*)&instanz;
}
int32_t pdfDeletePDF(dynapdf_instance* pdf) {
    return pdf != 0;
}
int32_t pdfAppend(dynapdf_instance* pdf) {
    return pdf != 0;
}
int32_t pdfCloseFile(dynapdf_instance* pdf) {
    return pdf != 0;
}
int32_t pdfCreateNewPDFA(dynapdf_instance* pdf, const char* f) {
    return pdf && f;
}
int32_t pdfHaveOpenDoc(dynapdf_instance* pdf) {
    return pdf != 0;
}
int32_t pdfOpenOutputFileA(dynapdf_instance* pdf, const char* f) {
    return pdf && f;
}
int32_t pdfSetFontW(dynapdf_instance* pdf, const char16_t* n, int32_t s, double g, int32_t e,
                    int32_t c) {
    (void)s, (void)g, (void)e, (void)c;
    return pdf && n;
}
int32_t pdfSetPageFormat(dynapdf_instance* pdf, int32_t f) {
    return pdf && f;
}
int32_t pdfWriteTextW(dynapdf_instance* pdf, double x, double y, const char16_t* t) {
    (void)x, (void)y;
    return pdf && t;
}
