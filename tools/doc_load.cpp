#include <cstdio>

#include "dictionary/export_file.h"
#include "dictionary/txd_parser.h"
#include "runtime/core/error_state.h"
#include "tools/doc_commands.h"

namespace doc {

std::unique_ptr<dict::DictionaryModel> LoadExport(const std::string& path) {
    dict::ExportRead read = dict::ReadExport(path);
    if (read.error != 0) {
        std::fprintf(stderr, "kestrian-doc: cannot read %s: Error %d (%s)\n", path.c_str(),
                     read.error, rt::ErrorText().c_str());
        return nullptr;
    }
    auto model = std::make_unique<dict::DictionaryModel>();
    dict::ParseAll(*model, read.bytes, path);
    return model;
}

}  // namespace doc
