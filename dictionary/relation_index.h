// Where each file takes part in the dictionary's relations: for a file label,
// the positions of the relations that name it as their LEFTFILE or RIGHTFILE,
// in the order of the model's RELATION list. Built once per dictionary, so
// that a file's relations are found without looking at all of them; the
// dictionary window's lists, the report and kestrian-doc all read it. The
// model must outlive the index.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "dictionary/model.h"

namespace dictionary {

class RelationIndex {
  public:
    // Labels are compared on their first `labelLength` characters (all of
    // them by default), trailing blanks not counted.
    explicit RelationIndex(const DictionaryModel& model,
                           std::size_t labelLength = std::string_view::npos);

    // 0-based positions in the RELATION list of the relations naming `label`
    // on either side, ascending, each once.
    const std::vector<std::size_t>& Of(std::string_view label) const;

    // The positions of the relations naming either label, ascending, each once.
    std::vector<std::size_t> OfEither(std::string_view first, std::string_view second) const;

    // One side of a relation that names a label.
    struct End {
        std::size_t position = 0;  // in the RELATION list
        bool left = true;          // the label is the relation's LEFTFILE
    };
    // Each side naming `label` of the relations that name it, in RELATION
    // order, the left side before the right: a relation of a file with
    // itself gives two ends.
    std::vector<End> EndsOf(std::string_view label) const;

    // `label` as the index compares it.
    std::string_view Key(std::string_view label) const;

  private:
    const DictionaryModel& model_;
    std::size_t labelLength_;
    // Keyed by views of the model's own labels, which outlive the index.
    std::unordered_map<std::string_view, std::vector<std::size_t>> positions_;
};

}  // namespace dictionary
