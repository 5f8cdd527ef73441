// Synthetic exports shared by the benchmarks, generated once per size.
#pragma once

#include <stdlib.h>

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>

#include "bench/txd_generator.h"

namespace bench {

inline const std::string& ExportOfMegabytes(std::size_t megabytes) {
    static std::map<std::size_t, std::string> cache;
    auto found = cache.find(megabytes);
    if (found == cache.end()) {
        found = cache.emplace(megabytes, GenerateTxd({.targetBytes = megabytes << 20})).first;
    }
    return found->second;
}

// A new private folder under the system's temporary folder, holding the
// export `text` as "BENCH.TXD"; nullopt when no folder could be made.
inline std::optional<std::filesystem::path> FolderWithExport(const std::string& text) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "kestrian-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) return std::nullopt;
    const std::filesystem::path folder = pattern;
    std::ofstream(folder / "BENCH.TXD", std::ios::binary) << text;
    return folder;
}

}  // namespace bench
