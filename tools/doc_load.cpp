#include <cstdio>
#include <new>

#include "dictionary/export_load.h"
#include "runtime/core/error_state.h"
#include "tools/doc_commands.h"

namespace tools {

namespace {

// The message of an export that was refused; the runtime's error state
// holds `error` and its text.
std::nullptr_t Refused(const std::string& path, int error, dictionary::ExportFault fault) {
    switch (fault) {
        case dictionary::ExportFault::HoldsNul:
            std::fprintf(stderr,
                         "kestrian-doc: cannot read %s: it holds NUL bytes, so it is no "
                         "dictionary export\n",
                         path.c_str());
            break;
        case dictionary::ExportFault::NoSectionHeader:
            std::fprintf(stderr,
                         "kestrian-doc: %s is not a dictionary export (no section header)\n",
                         path.c_str());
            break;
        case dictionary::ExportFault::Folder:
            std::fprintf(stderr, "kestrian-doc: %s is a folder\n", path.c_str());
            break;
        case dictionary::ExportFault::None:
            std::fprintf(stderr, "kestrian-doc: cannot read %s: Error %d (%s)\n", path.c_str(),
                         error, rt::ErrorText().c_str());
            break;
    }
    return nullptr;
}

}  // namespace

std::unique_ptr<dictionary::DictionaryModel> LoadExport(const std::string& path,
                                                        std::string_view* text) {
    try {
        auto model = std::make_unique<dictionary::DictionaryModel>();
        const dictionary::LoadedExport loaded = dictionary::LoadExport(path, *model);
        if (loaded.error != 0) return Refused(path, loaded.error, loaded.fault);
        if (text != nullptr) *text = loaded.bytes;
        return model;
    } catch (const std::bad_alloc&) {
        rt::SetError(dictionary::kInsufficientMemory);
        return Refused(path, dictionary::kInsufficientMemory, dictionary::ExportFault::None);
    }
}

std::unique_ptr<dictionary::DictionaryModel> LoadExportOrNothing(const std::string& path) {
    if (path == kNoFile) return std::make_unique<dictionary::DictionaryModel>();
    return LoadExport(path);
}

}  // namespace tools
