#include <cstdio>
#include <new>

#include "dictionary/export_file.h"
#include "dictionary/txd_parser.h"
#include "runtime/core/error_state.h"
#include "tools/doc_commands.h"

namespace doc {

namespace {

// The message of an export that cannot be read; the runtime's error state
// holds `error` and its text.
std::nullptr_t CannotRead(const std::string& path, int error) {
    std::fprintf(stderr, "kestrian-doc: cannot read %s: Error %d (%s)\n", path.c_str(), error,
                 rt::ErrorText().c_str());
    return nullptr;
}

}  // namespace

std::unique_ptr<dict::DictionaryModel> LoadExport(const std::string& path) {
    try {
        dict::ExportRead read = dict::ReadExport(path);
        if (read.error != 0) return CannotRead(path, read.error);
        auto model = std::make_unique<dict::DictionaryModel>();
        dict::ParseAll(*model, read.bytes, path);
        return model;
    } catch (const std::bad_alloc&) {
        rt::SetError(dict::kInsufficientMemory);
        return CannotRead(path, dict::kInsufficientMemory);
    }
}

}  // namespace doc
