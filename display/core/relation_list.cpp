#include <algorithm>
#include <string>

#include "dictionary/labels.h"
#include "dictionary/relation_index.h"
#include "display/core/detail_lists.h"
#include "runtime/core/blanks.h"

namespace display {

namespace {

constexpr std::size_t kCellSize = 40;
constexpr std::size_t kFileCellSize = 39;

ColumnWidths RelationWidths(const TextWidth& measure) {
    return ColumnWidths(measure, kRelationListColumns);
}

void Set(rt::ListRow& row, RelationColumn column, std::string_view text) {
    row[column].text = std::string(Cut(text, column == kRelationFile ? kFileCellSize : kCellSize));
}

// A label and the " <-" that joins it to the next column: a long label is
// cut, never the arrow.
void SetJoined(rt::ListRow& row, RelationColumn column, const dictionary::Text& label) {
    constexpr std::string_view kJoin = " <-";
    row[column].text =
        std::string(Cut(label.view(), kCellSize - kJoin.size())) + std::string(kJoin);
}

// One side of a relation as this list shows it: the selected file's side
// first, the related file's side second.
struct Sides {
    const dictionary::Text& selectedFile;
    const dictionary::Text& selectedKey;
    const dictionary::List<dictionary::FieldPairQueue>& selectedPairs;
    const dictionary::Text& relatedFile;
    const dictionary::Text& relatedKey;
    const dictionary::List<dictionary::FieldPairQueue>& relatedPairs;
};

class RelationListBuilder {
  public:
    explicit RelationListBuilder(const TextWidth& measure) : widths_(RelationWidths(measure)) {}

    // `manyArrow` marks the related file as the "many" side.
    void Add(const Sides& sides, bool manyArrow) {
        rt::ListRow header = EmptyRow(kRelationColumns);
        Set(header, kRelationFile, (manyArrow ? "<->> " : "<<-> ") + sides.relatedFile.str());
        SetJoined(header, kRelationLeftL, sides.selectedFile);
        Set(header, kRelationLeftR, "-> " + sides.relatedKey.str());
        SetJoined(header, kRelationRightL, sides.relatedFile);
        Set(header, kRelationRightR, "-> " + sides.selectedKey.str());
        widths_.Widen(header, kRelationFile, kRelationRightR);
        ShadeRow(header, kRelationHeaderColour);
        list_.rows.push_back(std::move(header));

        auto left = dictionary::Rows(sides.selectedPairs);
        auto right = dictionary::Rows(sides.relatedPairs);
        for (std::size_t j = 0; j < std::max(left.size(), right.size()); ++j) {
            rt::ListRow row = EmptyRow(kRelationColumns);
            if (j < left.size()) SetPair(row, left[j], kRelationLeftL, kRelationLeftR);
            if (j < right.size()) SetPair(row, right[j], kRelationRightL, kRelationRightR);
            widths_.Widen(row, kRelationLeftL, kRelationRightR);
            list_.rows.push_back(std::move(row));
        }
    }

    BuiltList Finish() {
        list_.format =
            RelationListFormat(widths_[0], widths_[1], widths_[2], widths_[3], widths_[4]);
        return std::move(list_);
    }

  private:
    static void SetPair(rt::ListRow& row, const dictionary::FieldPairQueue& pair, RelationColumn l,
                        RelationColumn r) {
        if (!dictionary::SameLabel(pair.LEFT.view(), "NOLINK")) SetJoined(row, l, pair.LEFT);
        Set(row, r, "-> " + pair.RIGHT.str());
    }

    BuiltList list_;
    ColumnWidths widths_;
};

}  // namespace

std::string RelationListFormat(int file, int leftL, int leftR, int rightL, int rightR) {
    return ListFormat(kRelationListColumns, std::array{file, leftL, leftR, rightL, rightR});
}

BuiltList EmptyRelationList(const TextWidth& measure) {
    return RelationListBuilder(measure).Finish();
}

BuiltList BuildRelationList(const dictionary::DictionaryModel& model, std::string_view selectedName,
                            std::string_view currentLabel, const TextWidth& measure) {
    return BuildRelationList(model, dictionary::RelationIndex(model), selectedName, currentLabel,
                             measure);
}

BuiltList BuildRelationList(const dictionary::DictionaryModel& model,
                            const dictionary::RelationIndex& index, std::string_view selectedName,
                            std::string_view currentLabel, const TextWidth& measure) {
    RelationListBuilder builder(measure);
    auto relations = dictionary::Rows(model.RELATION);
    for (std::size_t position : index.OfEither(selectedName, currentLabel)) {
        if (position >= relations.size()) continue;
        const dictionary::RelationQueue& relation = relations[position];
        const bool oneFirst = dictionary::LeftSideIsOne(relation);
        if (dictionary::SameLabel(relation.LEFTFILE.view(), selectedName)) {
            builder.Add({relation.LEFTFILE, relation.LEFTKEY, relation.LEFTFIELDS,
                         relation.RIGHTFILE, relation.RIGHTKEY, relation.RIGHTFIELDS},
                        oneFirst);
        }
        if (dictionary::SameLabel(relation.RIGHTFILE.view(), currentLabel)) {
            builder.Add({relation.RIGHTFILE, relation.RIGHTKEY, relation.RIGHTFIELDS,
                         relation.LEFTFILE, relation.LEFTKEY, relation.LEFTFIELDS},
                        !oneFirst);
        }
    }
    return builder.Finish();
}

}  // namespace display
