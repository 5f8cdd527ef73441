#include "dictionary/labels.h"

#include "dictionary/field_facts.h"
#include "runtime/core/blanks.h"
#include "runtime/core/case_fold.h"

namespace dictionary {

std::string_view LabelKey(std::string_view label) noexcept {
    return rt::TrimTrailingSpaces(label);
}

bool SameLabel(std::string_view a, std::string_view b) noexcept {
    return LabelKey(a) == LabelKey(b);
}

std::string FoldedLabel(std::string_view label) {
    std::string key(LabelKey(label));
    for (char& c : key) c = rt::FoldCase(c);
    return key;
}

std::string_view Unqualified(std::string_view reference) noexcept {
    reference = rt::TrimBlanks(reference);
    if (!reference.empty() && (reference.front() == '-' || reference.front() == '+'))
        reference.remove_prefix(1);
    if (const std::size_t colon = reference.rfind(':'); colon != std::string_view::npos)
        reference.remove_prefix(colon + 1);
    if (const std::size_t bracket = reference.find('['); bracket != std::string_view::npos)
        reference = reference.substr(0, bracket);
    return rt::TrimTrailingSpaces(reference);
}

std::string_view Qualifier(std::string_view reference) noexcept {
    reference = rt::TrimBlanks(reference);
    if (!reference.empty() && (reference.front() == '-' || reference.front() == '+'))
        reference.remove_prefix(1);
    const std::size_t colon = reference.rfind(':');
    if (colon == std::string_view::npos) return {};
    return rt::TrimBlanks(reference.substr(0, colon));
}

std::vector<std::string_view> Components(const List<TextLineQueue>& list) {
    std::vector<std::string_view> components;
    for (const TextLineQueue& line : Rows(list))
        components.push_back(rt::TrimBlanks(line.TEXT.view()));
    return components;
}

LabelChoice ChooseLabel(const std::vector<std::string_view>& labels, std::string_view wanted) {
    LabelChoice choice;
    const std::string folded = FoldedLabel(wanted);
    std::vector<std::size_t> nearly;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (SameLabel(labels[i], wanted)) {
            choice.outcome = LabelChoice::Outcome::Exact;
            choice.position = i;
            return choice;
        }
        if (FoldedLabel(labels[i]) == folded) nearly.push_back(i);
    }
    if (nearly.size() == 1) {
        choice.outcome = LabelChoice::Outcome::CaseOnly;
        choice.position = nearly.front();
    } else if (nearly.size() > 1) {
        choice.outcome = LabelChoice::Outcome::Ambiguous;
        for (std::size_t i : nearly) choice.candidates.emplace_back(LabelKey(labels[i]));
    }
    return choice;
}

LabelIndex::LabelIndex(const DictionaryModel& model) : model_(model) {
    auto files = Rows(model.FILE);
    labels_.resize(files.size());
    files_.reserve(files.size());
    for (const FileQueue& file : files) {
        files_[LabelKey(file.LABEL.view())].push_back(&file);
        folded_.try_emplace(FoldedLabel(file.LABEL.view()), LabelKey(file.LABEL.view()));
    }
    for (const AliasQueue& alias : Rows(model.ALIAS)) {
        aliases_.try_emplace(LabelKey(alias.LABEL.view()), &alias);
        aliasesOf_[LabelKey(alias.FILE.view())].push_back(&alias);
        folded_.try_emplace(FoldedLabel(alias.LABEL.view()), LabelKey(alias.LABEL.view()));
    }
}

const FileQueue* LabelIndex::File(std::string_view label) const {
    auto found = files_.find(LabelKey(label));
    return found == files_.end() ? nullptr : found->second.front();
}

std::vector<const FileQueue*> LabelIndex::Files(std::string_view label) const {
    auto found = files_.find(LabelKey(label));
    return found == files_.end() ? std::vector<const FileQueue*>{} : found->second;
}

const AliasQueue* LabelIndex::Alias(std::string_view label) const {
    auto found = aliases_.find(LabelKey(label));
    return found == aliases_.end() ? nullptr : found->second;
}

const FileQueue* LabelIndex::FileOrAliased(std::string_view label) const {
    if (const FileQueue* file = File(label)) return file;
    if (const AliasQueue* alias = Alias(label)) return File(alias->FILE.view());
    return nullptr;
}

std::string_view LabelIndex::FileOrAliasIgnoringCase(std::string_view label) const {
    auto found = folded_.find(FoldedLabel(label));
    return found == folded_.end() ? std::string_view() : found->second;
}

std::size_t LabelIndex::PositionOf(const FileQueue& file) const {
    return static_cast<std::size_t>(&file - Rows(model_.FILE).data());
}

std::size_t LabelIndex::PositionOf(const AliasQueue& alias) const {
    return static_cast<std::size_t>(&alias - Rows(model_.ALIAS).data());
}

const LabelIndex::FileLabels& LabelIndex::LabelsOf(const FileQueue& file) const {
    FileLabels& labels = labels_[PositionOf(file)];
    if (labels.made) return labels;
    labels.made = true;
    auto fieldLike = [&](const Text& label) {
        labels.foldedFields.try_emplace(FoldedLabel(label.view()), LabelKey(label.view()));
    };
    for (const FieldQueue& field : Rows(file.FIELD)) {
        if (IsGroupEnd(field)) continue;
        labels.fields.try_emplace(LabelKey(field.LABEL.view()), &field);
        fieldLike(field.LABEL);
    }
    for (const MemoQueue& memo : Rows(file.MEMO)) {
        labels.others.try_emplace(LabelKey(memo.LABEL.view()), true);
        fieldLike(memo.LABEL);
    }
    for (const BlobQueue& blob : Rows(file.BLOB)) {
        labels.others.try_emplace(LabelKey(blob.LABEL.view()), true);
        fieldLike(blob.LABEL);
    }
    auto key = [&](const Text& label) {
        labels.keys.try_emplace(LabelKey(label.view()), true);
        labels.foldedKeys.try_emplace(FoldedLabel(label.view()), LabelKey(label.view()));
    };
    for (const KeyQueue& row : Rows(file.KEY)) key(row.LABEL);
    for (const IndexQueue& row : Rows(file.INDEX)) key(row.LABEL);
    return labels;
}

const FieldQueue* LabelIndex::Field(const FileQueue& file, std::string_view label) const {
    const FileLabels& labels = LabelsOf(file);
    auto found = labels.fields.find(LabelKey(label));
    return found == labels.fields.end() ? nullptr : found->second;
}

bool LabelIndex::HasFieldLike(const FileQueue& file, std::string_view label) const {
    const FileLabels& labels = LabelsOf(file);
    const std::string_view key = LabelKey(label);
    return labels.fields.contains(key) || labels.others.contains(key);
}

bool LabelIndex::HasKey(const FileQueue& file, std::string_view label) const {
    return LabelsOf(file).keys.contains(LabelKey(label));
}

std::string_view LabelIndex::FieldIgnoringCase(const FileQueue& file,
                                               std::string_view label) const {
    const Folded& folded = LabelsOf(file).foldedFields;
    auto found = folded.find(FoldedLabel(label));
    return found == folded.end() ? std::string_view() : found->second;
}

std::string_view LabelIndex::KeyIgnoringCase(const FileQueue& file, std::string_view label) const {
    const Folded& folded = LabelsOf(file).foldedKeys;
    auto found = folded.find(FoldedLabel(label));
    return found == folded.end() ? std::string_view() : found->second;
}

std::vector<const AliasQueue*> LabelIndex::AliasesOf(std::string_view file) const {
    auto found = aliasesOf_.find(LabelKey(file));
    return found == aliasesOf_.end() ? std::vector<const AliasQueue*>{} : found->second;
}

}  // namespace dictionary
