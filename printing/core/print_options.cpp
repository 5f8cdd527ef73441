#include "printing/core/print_options.h"

#include <algorithm>

namespace printing {

void SortByName(FilesToPrint& rows) {
    std::stable_sort(rows.begin(), rows.end(),
                     [](const FilesToPrintRow& a, const FilesToPrintRow& b) {
                         return a.NAME.view() < b.NAME.view();
                     });
}

DisabledBoxes FillFilesToPrint(const dictionary::DictionaryModel& model, PrintFlags& flags,
                               FilesToPrint& rows) {
    flags.PrintPreview = true;
    rows.clear();
    DisabledBoxes disabled;
    bool someFileHasKeys = false;
    rows.reserve(dictionary::Rows(model.FILE).size() + dictionary::Rows(model.ALIAS).size());
    if (model.FILE) {
        std::int32_t i = 0;
        for (const dictionary::FileQueue& file : *model.FILE) {
            rows.push_back({kFileEntry, file.LABEL.view(), ++i, 1});
            if (file.KEY) someFileHasKeys = true;
        }
    }
    if (!someFileHasKeys) {
        flags.PrintKeys = false;
        disabled.keys = true;
    }
    if (model.ALIAS) {
        std::int32_t j = 0;
        for (const dictionary::AliasQueue& alias : *model.ALIAS) {
            rows.push_back({kAliasEntry, alias.LABEL.view(), ++j,
                            static_cast<std::uint8_t>(flags.PrintAliases ? 1 : 0)});
        }
    } else {
        flags.PrintAliases = false;
        disabled.aliases = true;
    }
    SortByName(rows);
    if (!model.RELATION) {
        flags.PrintRelations = false;
        disabled.relations = true;
    }
    return disabled;
}

bool PrintEnabled(const FilesToPrint& rows, const PrintFlags& flags) {
    return flags.PrintSummary ||
           std::any_of(rows.begin(), rows.end(), [](const auto& row) { return row.SELECTED != 0; });
}

void ApplyAliasesBox(FilesToPrint& rows, const PrintFlags& flags) {
    for (FilesToPrintRow& row : rows) {
        if (row.TYPE == kAliasEntry) row.SELECTED = flags.PrintAliases ? 1 : 0;
    }
}

void FollowAliasSelection(const FilesToPrint& rows, PrintFlags& flags) {
    flags.PrintAliases = std::all_of(rows.begin(), rows.end(), [](const auto& row) {
        return row.TYPE != kAliasEntry || row.SELECTED != 0;
    });
}

void SelectAll(FilesToPrint& rows, PrintFlags& flags, bool selected) {
    for (FilesToPrintRow& row : rows) row.SELECTED = selected ? 1 : 0;
    flags.PrintAliases = selected;
}

SelectionChoice ReadSelectionChoice(int item) {
    switch (item) {
        case 1:
            return SelectionChoice::SelectAll;
        case 2:
            return SelectionChoice::DeselectAll;
        default:
            return SelectionChoice::Cancel;
    }
}

}  // namespace printing
