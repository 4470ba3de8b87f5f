#include "output/tpdf.h"

#include <dlfcn.h>

#include <filesystem>
#include <system_error>

#include "text/fehler.h"

namespace tolvek {

namespace {

// Turns a looked-up symbol into the function pointer type of its export.
template <typename Function>
Function asfunction(void* symbol) {
    return reinterpret_cast<Function>(symbol);
}

bool boolean(int32_t result) {
    return result != 0;
}

// Loads a library by name through the platform's search. The programs carry a RUNPATH of
// $ORIGIN, so a bare name finds the library beside them. Under AddressSanitizer, though,
// dlopen runs inside the runtime's interceptor and the search uses the runtime's paths instead
// of the program's; for a bare name the folder of the program is therefore tried as well,
// which is the same place.
void* lade(const std::string& name) {
    void* modul = dlopen(name.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (modul == nullptr && name.find('/') == std::string::npos) {
        std::error_code fehler;
        const auto programm = std::filesystem::read_symlink("/proc/self/exe", fehler);
        if (!fehler) {
            const auto neben = programm.parent_path() / name;
            modul = dlopen(neben.c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    return modul;
}

}  // namespace

std::unique_ptr<TPDF> TPDF::Create(const std::string& libraryname) {
    // The destructor is Destroy: when a step below throws, the partly built object unloads
    // what was loaded before the error reaches the caller.
    std::unique_ptr<TPDF> pdf(new TPDF());
    pdf->Module = lade(libraryname);
    if (pdf->Module == nullptr) {
        throw Exception("Error: Cannot find " + libraryname);
    }
    pdf->NewPDF();
    return pdf;
}

void TPDF::NewPDF() {
    // Looked up directly: the instance is made once, so it needs no slot.
    auto newpdf = asfunction<decltype(&pdfNewPDF)>(dlsym(Module, "pdfNewPDF"));
    if (newpdf == nullptr) {
        throw Exception("Error loading function: pdfNewPDF");
    }
    Instance = newpdf();
    if (Instance == nullptr) {
        throw Exception("Out of memory!");
    }
}

TPDF::~TPDF() {
    Destroy();
}

void TPDF::Destroy() noexcept {
    if (Module == nullptr) {
        return;
    }
    // A Create that failed in NewPDF has no instance; the library is not handed a null one.
    auto deletepdf = asfunction<decltype(&pdfDeletePDF)>(dlsym(Module, "pdfDeletePDF"));
    if (deletepdf != nullptr && Instance != nullptr) {
        deletepdf(Instance);
    }
    Instance = nullptr;
    dlclose(Module);
    Module = nullptr;
}

template <typename Function>
Function TPDF::LoadFunction(Function& slot, const char* name) {
    if (slot == nullptr) {
        slot = asfunction<Function>(dlsym(Module, name));
        if (slot == nullptr) {
            throw Exception(std::string("Error loading function: \"") + name + "\"");
        }
    }
    return slot;
}

bool TPDF::Append() {
    return boolean(LoadFunction(slots_.Append, "pdfAppend")(Instance));
}

bool TPDF::CloseFile() {
    return boolean(LoadFunction(slots_.CloseFile, "pdfCloseFile")(Instance));
}

bool TPDF::CreateNewPDF(const Text& outputfile) {
    // c_str() of an empty text is a pointer to a NUL, never null.
    return boolean(
        LoadFunction(slots_.CreateNewPDF, "pdfCreateNewPDFA")(Instance, outputfile.c_str()));
}

bool TPDF::EndPage() {
    return boolean(LoadFunction(slots_.EndPage, "pdfEndPage")(Instance));
}

bool TPDF::HaveOpenDoc() {
    return boolean(LoadFunction(slots_.HaveOpenDoc, "pdfHaveOpenDoc")(Instance));
}

bool TPDF::OpenOutputFile(const Text& outfile) {
    return boolean(
        LoadFunction(slots_.OpenOutputFile, "pdfOpenOutputFileA")(Instance, outfile.c_str()));
}

int32_t TPDF::SetFont(const std::u16string& name, int32_t style, double size, bool embed,
                      int32_t codepage) {
    return LoadFunction(slots_.SetFont, "pdfSetFontW")(Instance, name.c_str(), style, size,
                                                       embed ? -1 : 0, codepage);
}

bool TPDF::SetPageFormat(int32_t format) {
    return boolean(LoadFunction(slots_.SetPageFormat, "pdfSetPageFormat")(Instance, format));
}

bool TPDF::WriteText(double x, double y, const std::u16string& text) {
    return boolean(LoadFunction(slots_.WriteText, "pdfWriteTextW")(Instance, x, y, text.c_str()));
}

}  // namespace tolvek
