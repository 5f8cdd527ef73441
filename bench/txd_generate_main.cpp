// kestrian-txdgen OUT.TXD MEGABYTES [SEED]: writes a synthetic export.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench/txd_generator.h"

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4) {
        std::fprintf(stderr, "usage: kestrian-txdgen OUT.TXD MEGABYTES [SEED]\n");
        return 2;
    }
    bench::TxdShape shape;
    shape.targetBytes = static_cast<std::size_t>(std::strtod(argv[2], nullptr) * (1 << 20));
    if (argc == 4) shape.seed = static_cast<std::uint32_t>(std::strtoul(argv[3], nullptr, 10));
    bench::TxdStats stats;
    std::string text = bench::GenerateTxd(shape, &stats);
    std::FILE* out = std::fopen(argv[1], "wb");
    if (out == nullptr || std::fwrite(text.data(), 1, text.size(), out) != text.size() ||
        std::fclose(out) != 0) {
        std::fprintf(stderr, "kestrian-txdgen: cannot write %s\n", argv[1]);
        return 1;
    }
    std::printf(
        "%zu bytes, %zu lines, %zu files, %zu fields, %zu keys, %zu aliases, %zu relations\n",
        stats.bytes, stats.lines, stats.files, stats.fields, stats.keys, stats.aliases,
        stats.relations);
    return 0;
}
