/* dynapdf.dll from C: the header compiles as C11 and a whole document can be written. Exits
 * non-zero on the first failed check. */
#define _POSIX_C_SOURCE 200809L

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "platform/dynapdf/dynapdf.h"

static int fehler;

#define PRUEFE(bedingung)                                                           \
    do {                                                                            \
        if (!(bedingung)) {                                                         \
            fprintf(stderr, "%s:%d: failed: %s\n", __FILE__, __LINE__, #bedingung); \
            ++fehler;                                                               \
        }                                                                           \
    } while (0)

int main(void) {
    char ordner[] = "dynapdf-c-XXXXXX";
    char datei[64];
    char anfang[8] = {0};
    FILE* f;
    dynapdf_instance* pdf;
    const char16_t arial[] = u"Arial";
    const char16_t text[] = u"M\u00fcller \u20ac";

    if (mkdtemp(ordner) == NULL) {
        perror("mkdtemp");
        return 1;
    }
    snprintf(datei, sizeof datei, "%s/Beleg.pdf", ordner);

    pdf = pdfNewPDF();
    PRUEFE(pdf != NULL);
    PRUEFE(pdfHaveOpenDoc(pdf) == 0);
    PRUEFE(pdfAppend(pdf) == 0);
    PRUEFE(pdfCreateNewPDFA(pdf, "") != 0);
    PRUEFE(pdfHaveOpenDoc(pdf) != 0);
    PRUEFE(pdfAppend(pdf) != 0);
    PRUEFE(pdfSetPageFormat(pdf, DYNAPDF_FORMAT_A4) != 0);
    PRUEFE(pdfSetFontW(pdf, arial, DYNAPDF_STYLE_REGULAR, 8.0, -1, DYNAPDF_CODEPAGE_1252) > 0);
    PRUEFE(pdfWriteTextW(pdf, 345.0, 760.0, text) != 0);
    PRUEFE(pdfEndPage(pdf) != 0);
    PRUEFE(pdfOpenOutputFileA(pdf, datei) != 0);
    PRUEFE(pdfCloseFile(pdf) != 0);
    PRUEFE(pdfHaveOpenDoc(pdf) == 0);
    PRUEFE(pdfDeletePDF(pdf) != 0);

    f = fopen(datei, "rb");
    PRUEFE(f != NULL);
    if (f != NULL) {
        PRUEFE(fread(anfang, 1, 5, f) == 5);
        PRUEFE(strcmp(anfang, "%PDF-") == 0);
        fclose(f);
    }
    unlink(datei);
    rmdir(ordner);
    return fehler == 0 ? 0 : 1;
}
