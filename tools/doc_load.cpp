#include <cstdio>
#include <new>

#include "dictionary/export_file.h"
#include "dictionary/txd_parser.h"
#include "runtime/core/error_state.h"
#include "tools/doc_commands.h"

namespace tools {

namespace {

// The message of an export that cannot be read; the runtime's error state
// holds `error` and its text.
std::nullptr_t CannotRead(const std::string& path, int error) {
    std::fprintf(stderr, "kestrian-doc: cannot read %s: Error %d (%s)\n", path.c_str(), error,
                 rt::ErrorText().c_str());
    return nullptr;
}

std::nullptr_t NotAnExport(const std::string& path) {
    std::fprintf(stderr,
                 "kestrian-doc: cannot read %s: it holds NUL bytes, so it is no dictionary "
                 "export\n",
                 path.c_str());
    return nullptr;
}

}  // namespace

std::unique_ptr<dictionary::DictionaryModel> LoadExport(const std::string& path,
                                                        std::string_view* text) {
    try {
        dictionary::ExportFile file(path);
        if (const int error = file.Open(); error != 0) return CannotRead(path, error);
        dictionary::ExportRead read = dictionary::ReserveExportBuffer(file);
        if (read.error != 0) return CannotRead(path, read.error);
        // The first block decides at once for a file that is all NUL bytes
        // (a large sparse file) before the rest is read.
        if (const int error = file.Next(); error != 0 && error != dictionary::kRecordNotAvailable) {
            return CannotRead(path, error);
        }
        if (dictionary::HoldsNul(file.Block())) return NotAnExport(path);
        dictionary::ReadIntoBuffer(file, read);
        if (read.error != 0) return CannotRead(path, read.error);
        if (dictionary::HoldsNul(read.bytes)) return NotAnExport(path);
        // The model keeps the export: its texts point into it.
        auto model = std::make_unique<dictionary::DictionaryModel>();
        const std::string_view bytes = model->storage.Adopt(std::move(read.bytes));
        dictionary::ParseAll(*model, bytes, path);
        if (text != nullptr) *text = bytes;
        return model;
    } catch (const std::bad_alloc&) {
        rt::SetError(dictionary::kInsufficientMemory);
        return CannotRead(path, dictionary::kInsufficientMemory);
    }
}

}  // namespace tools
