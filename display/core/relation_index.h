// Where each file takes part in the dictionary's relations: for a file label
// (trailing blanks not counted), the positions of the relations that name it
// as their LEFTFILE or RIGHTFILE, in the order of the model's RELATION list.
// Built once per dictionary, so that a selection looks at its file's own
// relations rather than at all of them. The model must outlive the index.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/model.h"

namespace display {

class RelationIndex {
  public:
    explicit RelationIndex(const dict::DictionaryModel& model);

    // 0-based positions in the RELATION list of the relations naming `label`
    // on either side, ascending, each once.
    const std::vector<std::size_t>& Of(std::string_view label) const;

    // The positions of the relations naming either label, ascending, each once.
    std::vector<std::size_t> OfEither(std::string_view first, std::string_view second) const;

  private:
    // Keyed by views of the model's own labels, which outlive the index.
    std::unordered_map<std::string_view, std::vector<std::size_t>> positions_;
};

}  // namespace display
