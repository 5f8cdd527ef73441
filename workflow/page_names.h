// The names of the pages the documentation writes, one a file of the model,
// chosen so that a folder of them can be checked out on any file system.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"

namespace workflow {

// The longest page name (without ".md") before a label's own name is cut.
inline constexpr std::size_t kMaxPageName = 64;

// The page name of one label, before it is made unique: lower case letters,
// digits, "-" and "_", other bytes as "_" and two hex digits. A label that
// Windows takes for a device (CON, AUX, NUL, PRN, COM1..COM9, LPT1..LPT9, in
// any case, alone or before a "." and more) ends in "-file"; a name longer
// than kMaxPageName is cut and ends in "-" and eight hex digits of the whole
// name, so that the same label always gives the same name.
std::string PageName(std::string_view label);

// The page name (without ".md") of each file of the model, in its order:
// PageName of its label; labels that would give the same name (they differ
// only in case, or only after the cut) get "-2", "-3"... in the model's order.
std::vector<std::string> PageNames(const dictionary::DictionaryModel& model);

}  // namespace workflow
