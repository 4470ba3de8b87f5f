/* Records the arguments of every call and answers with a settable result (-5 at start). */
#include <string.h>

#include "platform/dynapdf/dynapdf.h"
#include "tests/dynapdf/fakes/aufzeichnung.h"

static int instanz;
static struct fake_aufzeichnung a = {.ergebnis = -5};

struct fake_aufzeichnung* fakeAufzeichnung(void) {
    return &a;
}

static int32_t aufruf(dynapdf_instance* pdf) {
    a.instanz = pdf;
    ++a.aufrufe;
    return a.ergebnis;
}
static void datei(const char* f) {
    a.dateiname_null = f == 0;
    a.dateiname[0] = 0;
    if (f)
        strncat(a.dateiname, f, FAKE_TEXTLAENGE - 1);
}
static void utf16(const char16_t* t) {
    int i = 0;
    a.utf16_null = t == 0;
    for (; t && t[i] && i < FAKE_TEXTLAENGE - 1; ++i)
        a.utf16[i] = t[i];
    a.utf16[i] = 0;
}

dynapdf_instance* pdfNewPDF(void) {
    return (dynapdf_instance*)&instanz;
}
int32_t pdfDeletePDF(dynapdf_instance* pdf) {
    a.geloescht = pdf;
    return aufruf(pdf);
}
int32_t pdfAppend(dynapdf_instance* pdf) {
    return aufruf(pdf);
}
int32_t pdfCloseFile(dynapdf_instance* pdf) {
    return aufruf(pdf);
}
int32_t pdfEndPage(dynapdf_instance* pdf) {
    return aufruf(pdf);
}
int32_t pdfHaveOpenDoc(dynapdf_instance* pdf) {
    return aufruf(pdf);
}
int32_t pdfCreateNewPDFA(dynapdf_instance* pdf, const char* f) {
    datei(f);
    return aufruf(pdf);
}
int32_t pdfOpenOutputFileA(dynapdf_instance* pdf, const char* f) {
    datei(f);
    return aufruf(pdf);
}
int32_t pdfSetPageFormat(dynapdf_instance* pdf, int32_t f) {
    a.format = f;
    return aufruf(pdf);
}
int32_t pdfSetFontW(dynapdf_instance* pdf, const char16_t* n, int32_t s, double g, int32_t e,
                    int32_t c) {
    utf16(n);
    a.stil = s, a.groesse = g, a.einbetten = e, a.codepage = c;
    return aufruf(pdf);
}
int32_t pdfWriteTextW(dynapdf_instance* pdf, double x, double y, const char16_t* t) {
    utf16(t);
    a.x = x, a.y = y;
    return aufruf(pdf);
}
