// Where an export declares its files, aliases, fields, keys and relations:
// the line numbers that lint's findings carry. The model keeps none, so the
// structure count's walk of the export's text records them as it goes.
// Labels are views into that text, found by the label rule of
// dictionary/labels.h. A dictionary may use a label twice, so lookups give
// every declaration of a label, in the export's order.
#pragma once

#include <cstddef>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace workflow {

struct DeclaredLabel {
    std::string_view label;  // as the import reads it: cut at a parenthesis
    std::size_t line = 0;    // 1-based
};

// The lines of the declarations labelled `label` among `declared`.
std::vector<std::size_t> LinesOf(const std::vector<DeclaredLabel>& declared,
                                 std::string_view label);

// A FILE declaration and the fields (memos, blobs, groups) and the keys
// (indexes) declared in it.
struct FileLines {
    std::size_t line = 0;
    std::vector<DeclaredLabel> fields;
    std::vector<DeclaredLabel> keys;
};

// A RELATION, the lines of its two sides, and the line of each FIELD pair of
// its two pair lists (FILE_TO_RELATED_KEY, RELATED_FILE_TO_KEY).
struct RelationLines {
    std::size_t line = 0;
    DeclaredLabel left;
    DeclaredLabel right;
    std::vector<std::size_t> leftPairs;
    std::vector<std::size_t> rightPairs;
};

class DeclarationLines {
  public:
    std::vector<const FileLines*> Files(std::string_view label) const;
    std::vector<std::size_t> Aliases(std::string_view label) const;
    std::vector<const RelationLines*> Relations(std::string_view left,
                                                std::string_view right) const;

    // For the walk that fills it, in the export's order. A field or key
    // belongs to the last file; a side or pair to the last relation.
    void AddFile(std::string_view label, std::size_t line);
    void AddField(std::string_view label, std::size_t line);
    void AddKey(std::string_view label, std::size_t line);
    void AddAlias(std::string_view label, std::size_t line);
    void AddRelation(std::size_t line);
    void SetLeftSide(std::string_view label, std::size_t line);
    void SetRightSide(std::string_view label, std::size_t line);
    // The pair list that the FIELD lines after it fill: the left one
    // (FILE_TO_RELATED_KEY) or the right one.
    void StartPairs(bool left);
    void AddPair(std::size_t line);

  private:
    using Positions = std::unordered_map<std::string_view, std::vector<std::size_t>>;
    std::vector<FileLines> files_;
    Positions filesByLabel_;
    std::unordered_map<std::string_view, std::vector<std::size_t>> aliases_;  // their lines
    std::vector<RelationLines> relations_;
    Positions relationsByLeft_;
    std::vector<std::size_t>* pairs_ = nullptr;
};

}  // namespace workflow
