#include <string>

#include "display/core/detail_lists.h"
#include "runtime/core/blanks.h"

namespace display {

namespace {

constexpr std::size_t kCellSize = 40;
constexpr std::size_t kAttributesSize = 39;

ColumnWidths KeyWidths(const TextWidth& measure) {
    return ColumnWidths(measure, kKeyListColumns);
}

// The attribute letters joined by commas, cut to the cell.
std::string JoinAttributes(std::string letters) {
    if (!rt::TrimTrailingSpaces(letters).empty()) letters.pop_back();
    return std::string(Cut(letters, kAttributesSize));
}

std::string Attributes(const dictionary::KeyQueue& key) {
    std::string letters;
    if (key.PRIMARY) letters += "P,";
    if (key.DUP) letters += "D,";
    if (key.OPT) letters += "O,";
    if (key.NOCASE) letters += "N,";
    return JoinAttributes(std::move(letters));
}

std::string Attributes(const dictionary::IndexQueue& index) {
    std::string letters;
    if (index.OPT) letters += "O,";
    if (index.NOCASE) letters += "N,";
    return JoinAttributes(std::move(letters));
}

class KeyListBuilder {
  public:
    explicit KeyListBuilder(const TextWidth& measure) : widths_(KeyWidths(measure)) {}

    template <class Row>
    void Add(const Row& key, std::string_view type) {
        // The shade moves on for every key, shown or not: the first of an
        // empty list is the default colour, the others alternate.
        shade_ = list_.rows.empty() || shade_ == kShadeColour ? kDefaultColour : kShadeColour;
        if (!key.TEXT) return;
        rt::ListRow row = EmptyRow(kKeyColumns);
        row[kKeyName].text = std::string(Cut(key.LABEL.view(), kCellSize));
        row[kKeyType].text = std::string(type);
        row[kKeyAttributes].text = Attributes(key);
        widths_.Widen(row, kKeyName, kKeyAttributes);
        ShadeRow(row, shade_);
        if (!key.FIELD || key.FIELD->empty()) {
            list_.rows.push_back(std::move(row));
            return;
        }
        for (const dictionary::TextLineQueue& component : *key.FIELD) {
            std::string_view line = component.TEXT.view();
            row[kKeyField].text = std::string(Cut(
                line.starts_with('-') ? std::string(line) : "+" + std::string(line), kCellSize));
            list_.rows.push_back(row);
            row[kKeyName].text.clear();
            row[kKeyType].text.clear();
            row[kKeyAttributes].text.clear();
        }
    }

    BuiltList Finish() {
        list_.format = KeyListFormat(widths_[0], widths_[1], widths_[2]);
        return std::move(list_);
    }

  private:
    BuiltList list_;
    ColumnWidths widths_;
    std::int32_t shade_ = kDefaultColour;
};

}  // namespace

std::string KeyListFormat(int name, int type, int attributes) {
    return ListFormat(kKeyListColumns, std::array{name, type, attributes});
}

BuiltList EmptyKeyList(const TextWidth& measure) {
    ColumnWidths widths = KeyWidths(measure);
    return {{}, KeyListFormat(widths[0], widths[1], widths[2])};
}

BuiltList BuildKeyList(const dictionary::FileQueue& file, const TextWidth& measure) {
    KeyListBuilder builder(measure);
    for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY)) builder.Add(key, "KEY");
    for (const dictionary::IndexQueue& index : dictionary::Rows(file.INDEX))
        builder.Add(index, "INDEX");
    return builder.Finish();
}

}  // namespace display
