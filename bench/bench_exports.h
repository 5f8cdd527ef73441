// Synthetic exports shared by the benchmarks, generated once per size.
#pragma once

#include <cstddef>
#include <map>
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

}  // namespace bench
