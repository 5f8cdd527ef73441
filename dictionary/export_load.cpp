#include "dictionary/export_load.h"

#include <filesystem>
#include <system_error>
#include <utility>

#include "dictionary/section_headers.h"
#include "dictionary/txd_parser.h"

namespace dictionary {

int ExportLoad::Check(bool keep) {
    read_ = {};
    kept_ = false;
    fault_ = ExportFault::None;
    if (const int error = file_.Open(); error != 0) {
        std::error_code ignored;
        if (error == kAccessDenied && std::filesystem::is_directory(Path(), ignored))
            fault_ = ExportFault::Folder;
        return error;
    }
    // Whether the whole export can be held is known before a byte is read;
    // without `keep` the memory is given back at once.
    ExportRead reserved = ReserveExportBuffer(file_);
    if (reserved.error != 0) return reserved.error;
    if (keep) read_ = std::move(reserved);
    SectionHeaderSearch search;
    file_.SetToStart();
    while (!file_.Eof()) {
        if (const int error = file_.Next(); error != 0) {
            read_ = {};
            return error;
        }
        if (HoldsNul(file_.Block())) {
            fault_ = ExportFault::HoldsNul;
            break;
        }
        search.Feed(file_.Block());
        if (keep) read_.bytes.append(file_.Block());
    }
    if (fault_ == ExportFault::None && !search.Found()) fault_ = ExportFault::NoSectionHeader;
    if (fault_ != ExportFault::None) {
        read_ = {};
        return SetFileLayerError(kInvalidDataFile);
    }
    kept_ = keep;
    if (kept_) file_.Close();
    file_.SetToStart();
    return SetFileLayerError(0);
}

int ExportLoad::Read() {
    if (kept_) return 0;
    read_ = ReserveExportBuffer(file_);
    if (read_.error == 0) ReadIntoBuffer(file_, read_);
    kept_ = read_.error == 0;
    return read_.error;
}

std::string_view ExportLoad::GiveTo(DictionaryModel& model) {
    kept_ = false;
    return model.storage.Adopt(std::exchange(read_.bytes, {}));
}

LoadedExport LoadExport(const std::string& path, DictionaryModel& model) {
    ExportLoad load(path);
    LoadedExport loaded;
    loaded.error = load.Check(true);
    if (loaded.error == 0) loaded.error = load.Read();
    if (loaded.error != 0) {
        loaded.fault = load.Fault();
        return loaded;
    }
    loaded.bytes = load.GiveTo(model);
    ParseAll(model, loaded.bytes, path);
    return loaded;
}

}  // namespace dictionary
