// Error definition tables: the packed byte format the error manager reads,
// and the framework's default table.
//
// Format (little-endian, no padding):
//   u16 number of entries, then for each entry:
//   u16 ID, u8 FATALITY, u8 title length n, n title bytes,
//   u8 message length m, m message bytes.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace framework {

// One definition of a table. The texts refer to storage owned elsewhere.
struct ErrorDefinition {
    std::uint16_t id = 0;
    std::uint8_t fatality = 0;
    std::string_view title;
    std::string_view message;
};

// Longest title or message a table can hold (lengths are single bytes).
inline constexpr std::size_t kMaxDefinitionText = 255;

// Packs definitions into the table format. Longer texts are cut at 255
// bytes; only the first 65535 definitions are written.
std::vector<std::uint8_t> PackErrorTable(std::span<const ErrorDefinition> definitions);

// Reads a packed table. The texts of the result refer into `table`. A table
// that ends inside an entry yields the entries before it.
std::vector<ErrorDefinition> ReadErrorTable(std::span<const std::uint8_t> table);

// The 36 default definitions, packed; static data.
std::span<const std::uint8_t> DefaultErrorTable();

}  // namespace framework
