// The columns of the dictionary window's four lists: for each, the name
// kestrian-doc gives it in JSON, its header, and how the list draws it. The
// window's list formats and kestrian-doc's tables are both made from these.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace display {

struct ListColumn {
    std::string_view field;      // JSON member in `kestrian-doc lists --json`
    std::string_view header;     // the header over the column
    std::string_view modifiers;  // justification, indent and flags of the list format
    int fixedWidth = 0;          // dialog units; 0: as wide as its widest cell

    // Right-justified columns run up to the next, with no indent.
    bool RightJustified() const noexcept { return modifiers.starts_with('R'); }
};

inline constexpr std::array<ListColumn, 5> kFileListColumns{
    {{"NAME", "File", "L(1)*F|"},
     {"PREFIX", "Prefix", "L(1)*|"},
     {"DRIVER", "Driver", "L(1)*|"},
     {"PATH", "Name", "L(1)*|"},
     {"ATTRIBUTES", "Attributes", "L(1)*|"}}};
inline constexpr std::array<ListColumn, 4> kFieldListColumns{{{"NAME", "Field", "L(1)*|"},
                                                              {"TYPE", "Type", "L(1)*|"},
                                                              {"PICTURE", "Picture", "L(1)*|"},
                                                              {"VALID", "Valid", "L(1)*|", 100}}};
inline constexpr std::array<ListColumn, 4> kKeyListColumns{{{"NAME", "Key", "L(1)*|F"},
                                                            {"TYPE", "Type", "L(1)*|"},
                                                            {"ATTRIBUTES", "Attributes", "L(1)*|"},
                                                            {"FIELD", "Fields", "L(1)*|", 100}}};
inline constexpr std::array<ListColumn, 5> kRelationListColumns{
    {{"FILE", "Related File", "L(1)*|"},
     {"LEFTL", "File <-", "R(0)*"},
     {"LEFTR", "-> Related Key", "L(0)*|"},
     {"RIGHTL", "Related File <-", "R(0)*"},
     {"RIGHTR", "-> Key", "L(0)*|"}}};

// The text a column's width starts from: its header, after a blank where the
// column is left-justified.
std::string MeasuredHeader(const ListColumn& column);

// The list format of `columns`, `widths` giving the width of each column that
// has no fixed width, in order.
std::string ListFormat(std::span<const ListColumn> columns, std::span<const int> widths);

}  // namespace display
