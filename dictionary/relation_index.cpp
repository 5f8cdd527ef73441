#include "dictionary/relation_index.h"

#include <algorithm>
#include <iterator>

#include "dictionary/labels.h"

namespace dictionary {

RelationIndex::RelationIndex(const DictionaryModel& model, std::size_t labelLength)
    : model_(model), labelLength_(labelLength) {
    positions_.reserve(Rows(model.FILE).size() + Rows(model.ALIAS).size());
    std::size_t position = 0;
    for (const RelationQueue& relation : Rows(model.RELATION)) {
        const std::string_view left = Key(relation.LEFTFILE.view());
        const std::string_view right = Key(relation.RIGHTFILE.view());
        positions_[left].push_back(position);
        // A relation of a file with itself is listed once under its label.
        if (right != left) positions_[right].push_back(position);
        ++position;
    }
}

std::string_view RelationIndex::Key(std::string_view label) const {
    return LabelKey(label.substr(0, std::min(label.size(), labelLength_)));
}

const std::vector<std::size_t>& RelationIndex::Of(std::string_view label) const {
    static const std::vector<std::size_t> kNone;
    const auto found = positions_.find(Key(label));
    return found != positions_.end() ? found->second : kNone;
}

std::vector<std::size_t> RelationIndex::OfEither(std::string_view first,
                                                 std::string_view second) const {
    const std::vector<std::size_t>& a = Of(first);
    if (Key(first) == Key(second)) return a;
    const std::vector<std::size_t>& b = Of(second);
    std::vector<std::size_t> both;
    both.reserve(a.size() + b.size());
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

std::vector<RelationIndex::End> RelationIndex::EndsOf(std::string_view label) const {
    const std::string_view key = Key(label);
    const auto relations = Rows(model_.RELATION);
    std::vector<End> ends;
    for (std::size_t position : Of(label)) {
        const RelationQueue& relation = relations[position];
        if (Key(relation.LEFTFILE.view()) == key) ends.push_back({position, true});
        if (Key(relation.RIGHTFILE.view()) == key) ends.push_back({position, false});
    }
    return ends;
}

}  // namespace dictionary
