/* A library whose pdfNewPDF cannot make an instance. */
#include "platform/dynapdf/dynapdf.h"

dynapdf_instance* pdfNewPDF(void) {
    return 0;
}
int32_t pdfDeletePDF(dynapdf_instance* pdf) {
    return pdf != 0;
}
