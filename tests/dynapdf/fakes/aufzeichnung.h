/* What the recording fake library saw; the tests read it through fakeAufzeichnung(). */
#ifndef TOLVEK_FAKE_AUFZEICHNUNG_H
#define TOLVEK_FAKE_AUFZEICHNUNG_H

#include <stdint.h>
#ifndef __cplusplus
#include <uchar.h>
#endif

#ifdef __cplusplus
extern "C" {
#endif

#define FAKE_TEXTLAENGE 64

struct fake_aufzeichnung {
    int32_t ergebnis;       /* what every export answers; -5 at start */
    const void* instanz;    /* the instance handed to the last call */
    const void* geloescht;  /* the instance handed to pdfDeletePDF */
    int32_t aufrufe;        /* calls of all exports but pdfNewPDF */
    int32_t dateiname_null; /* the last file name pointer was null */
    char dateiname[FAKE_TEXTLAENGE];
    int32_t utf16_null; /* the last UTF-16 pointer was null */
    char16_t utf16[FAKE_TEXTLAENGE];
    int32_t stil, einbetten, codepage, format;
    double groesse, x, y;
};

#ifdef __cplusplus
}
#endif

#endif
