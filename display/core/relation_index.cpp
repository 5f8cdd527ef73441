#include "display/core/relation_index.h"

#include <algorithm>
#include <iterator>

#include "display/core/list_cells.h"
#include "runtime/core/blanks.h"

namespace display {

RelationIndex::RelationIndex(const dict::DictionaryModel& model) {
    positions_.reserve(dict::Rows(model.FILE).size() + dict::Rows(model.ALIAS).size());
    std::size_t position = 0;
    for (const dict::RelationQueue& relation : dict::Rows(model.RELATION)) {
        const std::string_view left = rt::TrimTrailingSpaces(relation.LEFTFILE.view());
        const std::string_view right = rt::TrimTrailingSpaces(relation.RIGHTFILE.view());
        positions_[left].push_back(position);
        // A relation of a file with itself is listed once under its label.
        if (right != left) positions_[right].push_back(position);
        ++position;
    }
}

const std::vector<std::size_t>& RelationIndex::Of(std::string_view label) const {
    static const std::vector<std::size_t> kNone;
    const auto found = positions_.find(rt::TrimTrailingSpaces(label));
    return found != positions_.end() ? found->second : kNone;
}

std::vector<std::size_t> RelationIndex::OfEither(std::string_view first,
                                                 std::string_view second) const {
    const std::vector<std::size_t>& a = Of(first);
    if (rt::TrimTrailingSpaces(first) == rt::TrimTrailingSpaces(second)) return a;
    const std::vector<std::size_t>& b = Of(second);
    std::vector<std::size_t> both;
    both.reserve(a.size() + b.size());
    std::set_union(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(both));
    return both;
}

}  // namespace display
