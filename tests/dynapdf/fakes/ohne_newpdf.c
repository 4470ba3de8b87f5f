/* A library that loads but lacks pdfNewPDF. */
#include "platform/dynapdf/dynapdf.h"

int32_t pdfDeletePDF(dynapdf_instance* pdf) {
    return pdf != 0;
}
int32_t pdfAppend(dynapdf_instance* pdf) {
    return pdf != 0;
}
