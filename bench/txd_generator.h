// Synthetic dictionary exports for measurements: many files with fields,
// groups, keys, indexes, memos, blobs and annotation sections, then aliases
// and relations, in the export format the parser reads.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace bench {

struct TxdShape {
    // The export grows until it reaches either limit (0 = no limit; with
    // both 0 a single file is written).
    std::size_t targetBytes = 0;
    std::size_t targetLines = 0;
    std::uint32_t seed = 1;
    // Exact counts instead of the targets above (0 = as the targets give):
    // the number of files, the fields of every file (otherwise 5 to 40 at
    // random) and the relations (otherwise one per pair of files).
    std::size_t files = 0;
    std::uint32_t fieldsPerFile = 0;
    std::size_t relations = 0;
    // The first file's fields and keys when not 0: one large file.
    std::uint32_t firstFileFields = 0;
    std::uint32_t firstFileKeys = 0;
};

struct TxdStats {
    std::size_t bytes = 0;
    std::size_t lines = 0;
    std::size_t files = 0;
    std::size_t fields = 0;
    std::size_t keys = 0;
    std::size_t aliases = 0;
    std::size_t relations = 0;
};

// The export text (CR LF lines); the same shape always gives the same text.
std::string GenerateTxd(const TxdShape& shape, TxdStats* stats = nullptr);

}  // namespace bench
