// Sheets of paper by name, and the system's default paper as Debian sets it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rt {

// A sheet upright, in thousandths of an inch.
struct SheetSize {
    int width = 0;
    int height = 0;
};

// The sheet called `name`: A3, A4, A5, B5, Letter, Legal or Executive, in
// any letter case; nullopt for any other name.
std::optional<SheetSize> PaperNamed(std::string_view name);

// The names PaperNamed knows, for a message: "A3, A4, A5, B5, Letter, Legal, Executive".
std::string PaperNames();

// The system's default paper: the one named by the environment variable
// PAPERSIZE, else the first word of `papersizeFile` (/etc/papersize), else
// A4; a name that is not known counts as none.
SheetSize DefaultPaper(const std::string& papersizeFile = "/etc/papersize");

}  // namespace rt
