/* Counts how often pdfAppend and pdfEndPage are looked up: both are GNU indirect functions,
 * whose resolver the dynamic linker runs on every dlsym. The resolver of pdfEndPage finds
 * nothing, so to the caller that export is missing. */
#include "platform/dynapdf/dynapdf.h"

static int instanz;
static int32_t suchen_append, suchen_endpage;

int32_t fakeSuchen(int endpage) {
    return endpage ? suchen_endpage : suchen_append;
}

dynapdf_instance* pdfNewPDF(void) {
    return (dynapdf_instance*)&instanz;
}
int32_t pdfDeletePDF(dynapdf_instance* pdf) {
    return pdf != 0;
}

typedef int32_t (*seitenaufruf)(dynapdf_instance*);
static int32_t append(dynapdf_instance* pdf) {
    return pdf != 0;
}

__attribute__((no_sanitize("address", "undefined"))) static seitenaufruf finde_append(void) {
    ++suchen_append;
    return append;
}
__attribute__((no_sanitize("address", "undefined"))) static seitenaufruf finde_endpage(void) {
    ++suchen_endpage;
    return 0;
}

int32_t pdfAppend(dynapdf_instance* pdf) __attribute__((ifunc("finde_append")));
int32_t pdfEndPage(dynapdf_instance* pdf) __attribute__((ifunc("finde_endpage")));
