#include "framework/error_table.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <limits>

namespace framework {
namespace {

constexpr std::size_t kMaxEntries = std::numeric_limits<std::uint16_t>::max();

// The order matters: a later definition of a number overrides an earlier one.
constexpr ErrorDefinition kDefaultDefinitions[] = {
    {18, 5, "Invalid Key", "%File key file is invalid. Key must be rebuilt."},
    {29, 3, "Key was not built", "Error: (%ErrorText) repairing key for %File."},
    {5, 3, "File Creation Error", "Error: (%ErrorText) creating %File."},
    {26, 5, "Procedure not defined", "The Procedure %Message has not been defined."},
    {24, 5, "Range Error", "The value of %Field must be lower than %Message."},
    {25, 5, "Range Error", "The value of %Field must be higher than %Message."},
    {23, 5, "Range Error", "The value of %Field must be between %Message."},
    {22, 5, "Field contents error", "The value of %Field must be found in the %Message file."},
    {33, 5, "Referential Integrity Update Error",
     "This record is referenced from the file %File. Linking field(s) have been restricted from "
     "change and have been reset to original values."},
    {32, 5, "Referential Integrity Delete Error",
     "This record is referenced from the file %File. This record cannot be deleted while these "
     "references exist."},
    {16, 5, "Record Insert Error",
     "An error was experienced during the creation of a record. Error: %ErrorText."},
    {30, 5, "Record Was Not Updated", "This record was changed by another station."},
    {14, 5, "Record Was Not Updated",
     "This record was changed by another station. Those changes will now be displayed. Use the "
     "Ditto Button or Ctrl+' to recall your changes."},
    {39, 1, "Record Update Error",
     "An error was experienced changing this record. Do you want to try to save again?"},
    {8, 1, "Record Delete Error",
     "An error was experienced deleting this record. Do you want to try to delete it again?"},
    {15, 5, "Invalid Request", "This form cannot be used to insert a record"},
    {38, 5, "Invalid Request", "This form cannot be used to update a record"},
    {7, 5, "Invalid Request", "This form cannot be used to delete a record"},
    {3, 1, "Changes will be lost!", "Are you sure you want to cancel?"},
    {10, 5, "Duplicate Key Error",
     "Adding this record creates a duplicate entry for the key: %Message"},
    {1, 1, "Auto Increment Error",
     "Attempts to automatically number this record have failed.  Error: %ErrorText. Try Again?"},
    {12, 5, "File Load Error", "%File File Load Error.  Error: %ErrorText."},
    {2, 1, "Beginning of File Error",
     "The beginning of the file was encountered. Do you want to start again from the end of the "
     "file?"},
    {11, 1, "End of File Error",
     "The end of the file was encountered. Do you want to start again from the beginning?"},
    {9, 3, "File Access Error", "File (%File) could not be opened.  Error: %ErrorText."},
    {28, 5, "Record was not updated",
     "An error (%ErrorText) was experienced when making changes to the %File file."},
    {27, 5, "Record was not deleted",
     "An error (%ErrorText) was experienced when deleting a record from the %File file."},
    {37, 1, "Confirm Delete", "Are you sure you want to delete the highlighted record?"},
    {36, 1, "Save Record", "Do you want to save the changes to this record?"},
    {19, 5, "Transaction cancelled",
     "Error: (%ErrorText) attempting to frame the transaction on %File."},
    {31, 5, "Record Retrieval Error",
     "Error: (%ErrorText) attempting to access a record from the %File file.  Returning to "
     "previous window."},
    {40, 5, "View Open Error",
     "Error: (%ErrorText) attempting to open the current VIEW. Filter and Range Limits ignored."},
    {21, 1, "Record Added",
     "This record has been added to the file. Do you want to add another record?"},
    {42, 5, "Record not read",
     "A record held by another station was encountered reading from the %File file."},
    {43, 5, "Add New Record?", "Record match not found, do you wish to add a new one?"},
    {44, 5, "Value Error", "The value of %Field must be in the list : %Message."},
};

constexpr std::size_t TextLength(std::string_view text) {
    return std::min(text.size(), kMaxDefinitionText);
}

constexpr std::size_t PackedSize(std::span<const ErrorDefinition> definitions) {
    std::size_t size = 2;
    for (const ErrorDefinition& d : definitions.first(std::min(definitions.size(), kMaxEntries))) {
        size += 5 + TextLength(d.title) + TextLength(d.message);
    }
    return size;
}

// Writes the packed form of `definitions` through `out`, which must have
// room for PackedSize(definitions) bytes.
template <typename Out>
constexpr void PackInto(std::span<const ErrorDefinition> definitions, Out out) {
    auto put16 = [&out](std::size_t value) {
        *out++ = static_cast<std::uint8_t>(value & 0xFF);
        *out++ = static_cast<std::uint8_t>((value >> 8) & 0xFF);
    };
    auto putText = [&out](std::string_view text) {
        const std::size_t length = TextLength(text);
        *out++ = static_cast<std::uint8_t>(length);
        for (char c : text.substr(0, length)) *out++ = static_cast<std::uint8_t>(c);
    };
    definitions = definitions.first(std::min(definitions.size(), kMaxEntries));
    put16(definitions.size());
    for (const ErrorDefinition& d : definitions) {
        put16(d.id);
        *out++ = d.fatality;
        putText(d.title);
        putText(d.message);
    }
}

static_assert(std::size(kDefaultDefinitions) == 36);
static_assert(std::ranges::all_of(kDefaultDefinitions, [](const ErrorDefinition& d) {
    return d.title.size() <= kMaxDefinitionText && d.message.size() <= kMaxDefinitionText;
}));

constexpr std::size_t kDefaultTableSize = PackedSize(kDefaultDefinitions);

constexpr std::array<std::uint8_t, kDefaultTableSize> kDefaultTable = [] {
    std::array<std::uint8_t, kDefaultTableSize> table{};
    PackInto(kDefaultDefinitions, table.begin());
    return table;
}();

}  // namespace

std::vector<std::uint8_t> PackErrorTable(std::span<const ErrorDefinition> definitions) {
    std::vector<std::uint8_t> table(PackedSize(definitions));
    PackInto(definitions, table.begin());
    return table;
}

std::vector<ErrorDefinition> ReadErrorTable(std::span<const std::uint8_t> table) {
    std::vector<ErrorDefinition> definitions;
    std::size_t at = 0;
    auto remaining = [&] { return table.size() - at; };
    auto get16 = [&] {
        const auto value = static_cast<std::uint16_t>(table[at] | (table[at + 1] << 8));
        at += 2;
        return value;
    };
    // A text needs its length byte and then that many bytes.
    auto getText = [&](std::string_view& text) {
        if (remaining() < 1) return false;
        const std::size_t length = table[at];
        if (remaining() < 1 + length) return false;
        text = std::string_view(reinterpret_cast<const char*>(table.data() + at + 1), length);
        at += 1 + length;
        return true;
    };

    if (remaining() < 2) return definitions;
    const std::size_t count = get16();
    definitions.reserve(std::min<std::size_t>(count, table.size() / 5));
    for (std::size_t i = 0; i < count; ++i) {
        ErrorDefinition d;
        if (remaining() < 3) break;
        d.id = get16();
        d.fatality = table[at++];
        if (!getText(d.title) || !getText(d.message)) break;
        definitions.push_back(d);
    }
    return definitions;
}

std::span<const std::uint8_t> DefaultErrorTable() {
    return kDefaultTable;
}

}  // namespace framework
