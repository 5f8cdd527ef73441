#include "workflow/declaration_lines.h"

#include "dictionary/labels.h"

namespace workflow {

std::vector<std::size_t> LinesOf(const std::vector<DeclaredLabel>& declared,
                                 std::string_view label) {
    std::vector<std::size_t> lines;
    for (const DeclaredLabel& one : declared) {
        if (dictionary::SameLabel(one.label, label)) lines.push_back(one.line);
    }
    return lines;
}

std::vector<const FileLines*> DeclarationLines::Files(std::string_view label) const {
    std::vector<const FileLines*> found;
    if (const auto at = filesByLabel_.find(dictionary::LabelKey(label));
        at != filesByLabel_.end()) {
        for (std::size_t position : at->second) found.push_back(&files_[position]);
    }
    return found;
}

std::vector<std::size_t> DeclarationLines::Aliases(std::string_view label) const {
    const auto at = aliases_.find(dictionary::LabelKey(label));
    return at == aliases_.end() ? std::vector<std::size_t>() : at->second;
}

std::vector<const RelationLines*> DeclarationLines::Relations(std::string_view left,
                                                              std::string_view right) const {
    std::vector<const RelationLines*> found;
    const auto at = relationsByLeft_.find(dictionary::LabelKey(left));
    if (at == relationsByLeft_.end()) return found;
    for (std::size_t position : at->second) {
        if (dictionary::SameLabel(relations_[position].right.label, right))
            found.push_back(&relations_[position]);
    }
    return found;
}

void DeclarationLines::AddFile(std::string_view label, std::size_t line) {
    filesByLabel_[dictionary::LabelKey(label)].push_back(files_.size());
    files_.push_back({line, {}, {}});
}

void DeclarationLines::AddField(std::string_view label, std::size_t line) {
    if (!files_.empty()) files_.back().fields.push_back({label, line});
}

void DeclarationLines::AddKey(std::string_view label, std::size_t line) {
    if (!files_.empty()) files_.back().keys.push_back({label, line});
}

void DeclarationLines::AddAlias(std::string_view label, std::size_t line) {
    aliases_[dictionary::LabelKey(label)].push_back(line);
}

void DeclarationLines::AddRelation(std::size_t line) {
    relations_.push_back({line, {}, {}, {}, {}});
    pairs_ = nullptr;
}

void DeclarationLines::SetLeftSide(std::string_view label, std::size_t line) {
    if (relations_.empty()) return;
    relations_.back().left = {label, line};
    relationsByLeft_[dictionary::LabelKey(label)].push_back(relations_.size() - 1);
}

void DeclarationLines::SetRightSide(std::string_view label, std::size_t line) {
    if (!relations_.empty()) relations_.back().right = {label, line};
}

void DeclarationLines::StartPairs(bool left) {
    if (relations_.empty()) return;
    pairs_ = left ? &relations_.back().leftPairs : &relations_.back().rightPairs;
}

void DeclarationLines::AddPair(std::size_t line) {
    if (pairs_ != nullptr) pairs_->push_back(line);
}

}  // namespace workflow
