#ifndef TOLVEK_DYNAPDF_H
#define TOLVEK_DYNAPDF_H
/*
 * dynapdf.dll: the PDF library of Tolvek Kavrin. A plain C interface; the programs load it at
 * run time by file name and look its functions up by export name.
 *
 * One instance (pdfNewPDF) holds at most one document at a time. A document lives from
 * pdfCreateNewPDFA to pdfCloseFile: pages are opened with pdfAppend and finished with
 * pdfEndPage, pdfOpenOutputFileA names the file, pdfCloseFile writes it. Finished pages leave
 * memory as they end.
 *
 * Units are PDF points (1/72 inch); the origin is the bottom-left corner of the page and y
 * grows upward. Strings ending in W are UTF-16 (char16_t, ending in 0); those ending in A are
 * bytes ending in 0 (file names, passed to the system unchanged).
 *
 * Every function returns a signed 32-bit result: non-zero for success, 0 for failure (a null
 * instance, a call out of order, an invalid argument, a file that cannot be written, memory
 * exhausted). No function raises an exception or ends the process.
 */

#ifdef __cplusplus
#include <cstdint>
#else
#include <stdint.h>
#include <uchar.h>
#endif

#if defined(DYNAPDF_BUILDING)
#define DYNAPDF_API __attribute__((visibility("default")))
#else
#define DYNAPDF_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* One library instance; opaque to the caller. */
typedef struct dynapdf_instance dynapdf_instance;

/* Page format 1: A4 portrait, 595.28 x 841.89 pt. The only format. */
#define DYNAPDF_FORMAT_A4 1
/* Font style 1280: the regular face. The only style. */
#define DYNAPDF_STYLE_REGULAR 1280
/* Code page 2: Windows-1252 (the texts still arrive as UTF-16). The only code page. */
#define DYNAPDF_CODEPAGE_1252 2

/* A new instance with no document, or null when memory is exhausted. */
DYNAPDF_API dynapdf_instance* pdfNewPDF(void);
/* Frees the instance and everything it holds, an unfinished document included (no file is
 * written). Returns 0 for a null instance. */
DYNAPDF_API int32_t pdfDeletePDF(dynapdf_instance* pdf);

/* Starts a document with no page. An empty name keeps it in memory until pdfOpenOutputFileA
 * names the file; a non-empty name names it at once. 0 while a document is open. */
DYNAPDF_API int32_t pdfCreateNewPDFA(dynapdf_instance* pdf, const char* outputfile);
/* Non-zero exactly between pdfCreateNewPDFA and pdfCloseFile. */
DYNAPDF_API int32_t pdfHaveOpenDoc(dynapdf_instance* pdf);
/* Opens a new page at the end of the document in the current page format. 0 while a page is
 * open. */
DYNAPDF_API int32_t pdfAppend(dynapdf_instance* pdf);
/* Finishes the open page; its contents leave memory. 0 when no page is open. */
DYNAPDF_API int32_t pdfEndPage(dynapdf_instance* pdf);
/* Sets the format of the open page (when nothing is written on it yet) and of every later
 * page. 0 for an unknown format. */
DYNAPDF_API int32_t pdfSetPageFormat(dynapdf_instance* pdf, int32_t format);
/* Chooses the font for the following texts: a family name resolved through fontconfig (so
 * "Arial" gives its metric-compatible substitute), a style, a size in points greater than 0,
 * whether to embed it (fonts are always embedded as subsets, so both values are accepted) and
 * a code page. Returns the font's number in the document (1 and up), 0 for failure. */
DYNAPDF_API int32_t pdfSetFontW(dynapdf_instance* pdf, const char16_t* fontname, int32_t style,
                                double size, int32_t embed, int32_t codepage);
/* Writes text on the open page in the current font; the left end of its baseline lies at
 * (posx, posy). An empty text writes nothing and succeeds. */
DYNAPDF_API int32_t pdfWriteTextW(dynapdf_instance* pdf, double posx, double posy,
                                  const char16_t* text);
/* Names the file pdfCloseFile writes. Nothing is created yet. */
DYNAPDF_API int32_t pdfOpenOutputFileA(dynapdf_instance* pdf, const char* outfile);
/* Finishes the open page, if any, writes the document to the named file and closes it: the
 * instance has no document afterwards, also when writing failed. A document that never had a
 * page gets one empty page. The file appears under its
 * name only complete: it is written beside it under another name and renamed. 0 when no file
 * was named or it could not be written (missing folder, no permission, disk full). */
DYNAPDF_API int32_t pdfCloseFile(dynapdf_instance* pdf);

#ifdef __cplusplus
}
#endif

#endif
