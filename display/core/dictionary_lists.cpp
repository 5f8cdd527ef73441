#include "display/core/dictionary_lists.h"

#include <utility>

#include "dictionary/labels.h"
#include "runtime/core/blanks.h"

namespace display {

namespace {

std::string PaddedName(std::string_view name) {
    std::string padded(Cut(name, kFileNameSize));
    padded.resize(kFileNameSize, ' ');
    return padded;
}

}  // namespace

DictionaryLists::DictionaryLists(const dictionary::DictionaryModel& model,
                                 std::string dictionaryPath, TextWidth measure)
    : model_(model),
      dictionaryPath_(std::move(dictionaryPath)),
      measure_(std::move(measure)),
      relationIndex_(model),
      heading_("DICTIONARY: " + dictionaryPath_) {}

bool DictionaryLists::Build(std::int32_t selectedRow) {
    if (selectedRow == 0) {
        if (dictionary::Rows(model_.FILE).empty()) return false;
        files_ = BuildFileList(model_, measure_);
        selectedRow = 1;
    }
    // A row the list does not hold changes nothing.
    if (selectedRow < 1 || static_cast<std::size_t>(selectedRow) > files_.rows.size()) return false;
    selected_ = selectedRow;
    fields_.rows.clear();
    keys_.rows.clear();
    relations_.rows.clear();
    danglingAlias_ = false;

    const FileListRow* row = &files_.rows[static_cast<std::size_t>(selected_ - 1)];
    selectedName_ = std::string(rt::TrimTrailingSpaces(row->Text(kFileName)));
    if (dictionary::SameLabel(row->Text(kFileDriver), "ALIAS")) {
        heading_ = dictionaryPath_ + "    ALIAS: " + PaddedName(selectedName_);
        std::int32_t aliased = FindFileRow(files_, row->Text(kFilePath));
        row = aliased != 0 ? &files_.rows[static_cast<std::size_t>(aliased - 1)] : nullptr;
    } else {
        heading_ = dictionaryPath_ + "    FILE: " + PaddedName(selectedName_);
    }

    auto files = dictionary::Rows(model_.FILE);
    if (row == nullptr || row->ID < 1 || static_cast<std::size_t>(row->ID) > files.size()) {
        // An alias of a file the dictionary does not hold (or of another
        // alias): nothing to show for it, and the heading says why.
        const FileListRow& alias = files_.rows[static_cast<std::size_t>(selected_ - 1)];
        heading_ = dictionaryPath_ + "    ALIAS: " + selectedName_ + " (file " +
                   std::string(rt::TrimTrailingSpaces(alias.Text(kFilePath))) + " not found)";
        danglingAlias_ = true;
        fields_ = EmptyFieldList(measure_);
        keys_ = EmptyKeyList(measure_);
        relations_ = EmptyRelationList(measure_);
        return true;
    }
    const dictionary::FileQueue& file = files[static_cast<std::size_t>(row->ID - 1)];
    fields_ = BuildFieldList(file, scanner_, measure_);
    keys_ = BuildKeyList(file, measure_);
    relations_ =
        BuildRelationList(model_, relationIndex_, selectedName_, file.LABEL.view(), measure_);
    return true;
}

bool DictionaryLists::Pick(std::int32_t choice) {
    if (choice <= 0) return false;
    return Build(choice);
}

std::string DictionaryLists::PickText() const {
    std::string text;
    for (const FileListRow& row : files_.rows) {
        text.append(rt::TrimTrailingSpaces(row.Text(kFileName)));
        text.push_back('|');
        if (text.size() >= kMaxPickText) break;
    }
    if (text.size() > kMaxPickText) text.resize(kMaxPickText);
    if (!text.empty()) text.pop_back();
    return text;
}

}  // namespace display
