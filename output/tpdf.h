#pragma once
// TPDF: the binding to the PDF library dynapdf.dll. The library is loaded at run time by file
// name; each of its functions is looked up by export name on first use and the address kept.
// Every failure of the binding itself is raised as tolvek::Exception; what the library reports
// through its results comes back as the result (Boolean: the library's value is non-zero).

#include <cstdint>
#include <memory>
#include <string>

#include "platform/dynapdf/dynapdf.h"
#include "text/text.h"

namespace tolvek {

class TPDF {
  public:
    // Loads the library by the given file name through the platform's library search (a bare
    // name is found beside the program via its RUNPATH) and creates one library instance.
    // Raises "Error: Cannot find <name>", "Error loading function: pdfNewPDF" or
    // "Out of memory!"; after a failure nothing stays loaded.
    static std::unique_ptr<TPDF> Create(const std::string& libraryname);

    // Destroy: deletes the instance and unloads the library.
    ~TPDF();

    TPDF(const TPDF&) = delete;
    TPDF& operator=(const TPDF&) = delete;
    TPDF(TPDF&&) = delete;
    TPDF& operator=(TPDF&&) = delete;

    // The library's operations. Each looks its export up on first use and raises
    // "Error loading function: \"<export>\"" when the library lacks it (the next call of the
    // same operation looks again).
    bool Append();
    bool CloseFile();
    bool CreateNewPDF(const Text& outputfile);
    bool EndPage();
    bool HaveOpenDoc();
    bool OpenOutputFile(const Text& outfile);
    // Returns the library's result unchanged. embed true is handed over as -1.
    int32_t SetFont(const std::u16string& name, int32_t style, double size, bool embed,
                    int32_t codepage);
    bool SetPageFormat(int32_t format);
    bool WriteText(double x, double y, const std::u16string& text);

  private:
    TPDF() = default;

    void NewPDF();
    void Destroy() noexcept;

    // Fills slot with the address of the export name unless it holds one already.
    template <typename Function>
    Function LoadFunction(Function& slot, const char* name);

    dynapdf_instance* Instance = nullptr;
    void* Module = nullptr;

    // One entry slot per export, filled on first use and kept for the object's lifetime.
    struct Slots {
        decltype(&pdfAppend) Append = nullptr;
        decltype(&pdfCloseFile) CloseFile = nullptr;
        decltype(&pdfCreateNewPDFA) CreateNewPDF = nullptr;
        decltype(&pdfEndPage) EndPage = nullptr;
        decltype(&pdfHaveOpenDoc) HaveOpenDoc = nullptr;
        decltype(&pdfOpenOutputFileA) OpenOutputFile = nullptr;
        decltype(&pdfSetFontW) SetFont = nullptr;
        decltype(&pdfSetPageFormat) SetPageFormat = nullptr;
        decltype(&pdfWriteTextW) WriteText = nullptr;
    } slots_;
};

}  // namespace tolvek
