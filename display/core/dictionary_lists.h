// The contents of the dictionary window: the Files list, the three detail
// lists of the selected file, the heading and the pick popup's text.
//
//     DictionaryLists lists(model, path, measure);
//     lists.Build(0);            // first build: Files list, row 1 selected
//     lists.Build(row);          // another Files row selected
//
// The model must outlive the object and stay unchanged while it is used.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "dictionary/model.h"
#include "dictionary/relation_index.h"
#include "dictionary/scanner.h"
#include "display/core/detail_lists.h"
#include "display/core/file_list.h"
#include "display/core/list_cells.h"

namespace display {

class DictionaryLists {
  public:
    static constexpr std::size_t kMaxPickText = 1000;

    DictionaryLists(const dictionary::DictionaryModel& model, std::string dictionaryPath,
                    TextWidth measure);

    // Rebuilds the lists for the Files row `selectedRow` (1-based). With 0
    // (the first call) the Files list is built first and row 1 selected;
    // when the model has no files nothing else is built. Returns false when
    // no detail lists were built (no files, or a row that does not exist).
    bool Build(std::int32_t selectedRow);

    // The pick popup's choice `choice` (1-based row): selects and builds it.
    // 0 (the menu was dismissed) changes nothing. False when nothing was built.
    bool Pick(std::int32_t choice);

    // The text of the pick popup: every Files row's name followed by "|",
    // cut at 1000 characters, without its last character.
    std::string PickText() const;

    // "DICTIONARY: " and the path until a file is selected; then the path,
    // "    FILE: " or "    ALIAS: ", and the selected name padded to 40.
    const std::string& Heading() const noexcept { return heading_; }
    // Selected Files row (0 before the first build or without files).
    std::int32_t Selected() const noexcept { return selected_; }
    // Name of the selected Files row, as selected (an alias's own label).
    const std::string& SelectedName() const noexcept { return selectedName_; }
    // True when the selected row is an alias that names no file of the list.
    bool DanglingAlias() const noexcept { return danglingAlias_; }

    const FileList& Files() const noexcept { return files_; }
    const BuiltList& Fields() const noexcept { return fields_; }
    const BuiltList& Keys() const noexcept { return keys_; }
    const BuiltList& Relations() const noexcept { return relations_; }

  private:
    const dictionary::DictionaryModel& model_;
    std::string dictionaryPath_;
    TextWidth measure_;
    dictionary::Scanner scanner_;
    dictionary::RelationIndex relationIndex_;

    std::string heading_;
    std::int32_t selected_ = 0;
    std::string selectedName_;
    bool danglingAlias_ = false;
    FileList files_;
    BuiltList fields_;
    BuiltList keys_;
    BuiltList relations_;
};

}  // namespace display
