/* A stand-in for dynapdf.dll that writes every call as one line into a log the test reads
 * through fakeProtokoll(). It keeps the document state the callers rely on (HaveOpenDoc is
 * true from CreateNewPDF to CloseFile); CloseFile answers with fakeCloseErgebnis. */
#include <stdio.h>
#include <string.h>

#include "platform/dynapdf/dynapdf.h"

#define LOGGROESSE 65536

static int instanz;
static char protokoll[LOGGROESSE];
static int offen;
static int closeergebnis = 1;

const char* fakeProtokoll(void) {
    return protokoll;
}
void fakeLeeren(void) {
    protokoll[0] = 0;
}
void fakeCloseErgebnis(int e) {
    closeergebnis = e;
}

static void zeile(const char* text) {
    strncat(protokoll, text, LOGGROESSE - strlen(protokoll) - 2);
    strcat(protokoll, "\n");
}

/* UTF-16 (BMP) to UTF-8, enough for the texts of the tests. */
static void utf8(const char16_t* t, char* aus, size_t platz) {
    size_t n = 0;
    for (; t && *t && n + 4 < platz; ++t) {
        unsigned c = *t;
        if (c < 0x80) {
            aus[n++] = (char)c;
        } else if (c < 0x800) {
            aus[n++] = (char)(0xC0 | (c >> 6));
            aus[n++] = (char)(0x80 | (c & 0x3F));
        } else {
            aus[n++] = (char)(0xE0 | (c >> 12));
            aus[n++] = (char)(0x80 | ((c >> 6) & 0x3F));
            aus[n++] = (char)(0x80 | (c & 0x3F));
        }
    }
    aus[n] = 0;
}

dynapdf_instance* pdfNewPDF(void) {
    zeile("NewPDF");
    offen = 0;
    return (dynapdf_instance*)&instanz;
}
int32_t pdfDeletePDF(dynapdf_instance* pdf) {
    (void)pdf;
    zeile("DeletePDF");
    offen = 0;
    return 1;
}
int32_t pdfCreateNewPDFA(dynapdf_instance* pdf, const char* f) {
    char z[1100];
    (void)pdf;
    snprintf(z, sizeof z, "CreateNewPDF '%s'", f ? f : "(null)");
    zeile(z);
    offen = 1;
    return 1;
}
int32_t pdfHaveOpenDoc(dynapdf_instance* pdf) {
    (void)pdf;
    zeile(offen ? "HaveOpenDoc true" : "HaveOpenDoc false");
    return offen;
}
int32_t pdfAppend(dynapdf_instance* pdf) {
    (void)pdf;
    zeile("Append");
    return 1;
}
int32_t pdfEndPage(dynapdf_instance* pdf) {
    (void)pdf;
    zeile("EndPage");
    return 1;
}
int32_t pdfSetPageFormat(dynapdf_instance* pdf, int32_t format) {
    char z[64];
    (void)pdf;
    snprintf(z, sizeof z, "SetPageFormat %d", (int)format);
    zeile(z);
    return 1;
}
int32_t pdfSetFontW(dynapdf_instance* pdf, const char16_t* name, int32_t style, double size,
                    int32_t embed, int32_t codepage) {
    char n[512];
    char z[700];
    (void)pdf;
    utf8(name, n, sizeof n);
    snprintf(z, sizeof z, "SetFont %s %d %g %d %d", n, (int)style, size, (int)embed, (int)codepage);
    zeile(z);
    return 0;
}
int32_t pdfWriteTextW(dynapdf_instance* pdf, double x, double y, const char16_t* text) {
    char t[1024];
    char z[1200];
    (void)pdf;
    utf8(text, t, sizeof t);
    snprintf(z, sizeof z, "WriteText %g %g '%s'", x, y, t);
    zeile(z);
    return 1;
}
int32_t pdfOpenOutputFileA(dynapdf_instance* pdf, const char* f) {
    char z[1100];
    (void)pdf;
    snprintf(z, sizeof z, "OpenOutputFile '%s'", f ? f : "(null)");
    zeile(z);
    return 1;
}
int32_t pdfCloseFile(dynapdf_instance* pdf) {
    (void)pdf;
    zeile("CloseFile");
    if (closeergebnis) {
        offen = 0;
    }
    return closeergebnis;
}
