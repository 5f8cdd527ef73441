// The print options without their window: the list of entries to print, the
// six option flags and the rules that tie them together.
#pragma once

#include <cstdint>
#include <vector>

#include "dictionary/fixed_string.h"
#include "dictionary/model.h"

namespace printing {

inline constexpr char kFileEntry = 'F';
inline constexpr char kAliasEntry = 'A';

// One printable entry: a file or an alias of the dictionary.
struct FilesToPrintRow {
    char TYPE = kFileEntry;            // 'F' file, 'A' alias
    dictionary::FixedString<40> NAME;  // the file's or alias's label
    std::int32_t REF = 0;              // 1-based position in the FILE or ALIAS list
    std::uint8_t SELECTED = 0;         // 1: print it
};

using FilesToPrint = std::vector<FilesToPrintRow>;

// The choices that live for the whole run (never stored in a settings file).
struct PrintFlags {
    bool PrintPreview = true;
    bool PrintTitlePage = true;
    bool PrintSummary = true;
    bool PrintKeys = true;
    bool PrintAliases = true;
    bool PrintRelations = true;
};

// Which check boxes the window disables after filling the list.
struct DisabledBoxes {
    bool keys = false;
    bool aliases = false;
    bool relations = false;
};

// Orders the rows by NAME (bytes compared, trailing blanks not significant),
// rows of equal NAME kept in the order they came: as if each had been
// inserted after every row whose NAME does not sort after its own.
void SortByName(FilesToPrint& rows);

// The window's first display: Preview is ticked again, the list is rebuilt
// from the model (files selected, aliases as PrintAliases says, in label
// order), and the flags of sections the dictionary lacks are cleared.
DisabledBoxes FillFilesToPrint(const dictionary::DictionaryModel& model, PrintFlags& flags,
                               FilesToPrint& rows);

// Print is enabled when an entry is selected or the summary is wanted.
bool PrintEnabled(const FilesToPrint& rows, const PrintFlags& flags);

// The "Aliases" box was accepted: every alias entry follows it.
void ApplyAliasesBox(FilesToPrint& rows, const PrintFlags& flags);

// The list was accepted: the box is ticked when every alias entry is
// selected (also when there is none).
void FollowAliasSelection(const FilesToPrint& rows, PrintFlags& flags);

// The popup's Select All (true) or Deselect All (false).
void SelectAll(FilesToPrint& rows, PrintFlags& flags, bool selected);

// The popup menu of the list and what its answer means.
inline constexpr const char* kSelectionMenu = "Select All|Deselect All|Cancel";
enum class SelectionChoice { Cancel = 0, SelectAll = 1, DeselectAll = 2 };
// The menu's answer (1-based item, 0 dismissed) as a choice.
SelectionChoice ReadSelectionChoice(int item);

}  // namespace printing
