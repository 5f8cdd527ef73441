#include "workflow/labels.h"

#include "runtime/core/blanks.h"
#include "runtime/core/case_fold.h"

namespace workflow {

std::string LabelKey(std::string_view label) {
    std::string key(rt::TrimTrailingSpaces(label));
    for (char& c : key) c = rt::FoldCase(c);
    return key;
}

std::string_view Unqualified(std::string_view reference) {
    reference = rt::TrimBlanks(reference);
    if (!reference.empty() && (reference.front() == '-' || reference.front() == '+'))
        reference.remove_prefix(1);
    if (const std::size_t colon = reference.rfind(':'); colon != std::string_view::npos)
        reference.remove_prefix(colon + 1);
    if (const std::size_t bracket = reference.find('['); bracket != std::string_view::npos)
        reference = reference.substr(0, bracket);
    return rt::TrimTrailingSpaces(reference);
}

std::vector<std::string_view> Components(const dictionary::List<dictionary::TextLineQueue>& list) {
    std::vector<std::string_view> components;
    for (const dictionary::TextLineQueue& line : dictionary::Rows(list))
        components.push_back(rt::TrimBlanks(line.TEXT.view()));
    return components;
}

std::string ValidOf(const dictionary::ObjectTextRef& text, dictionary::Scanner& scanner) {
    const std::string_view keywords = text ? text->KEYWORDS.view() : std::string_view();
    if (keywords.find("VALID") == std::string_view::npos) return {};
    scanner.Split(keywords, {}, true);
    return scanner.ArgumentsOf("VALID");
}

bool IsGroupEnd(const dictionary::FieldQueue& field) {
    return rt::TrimTrailingSpaces(field.TYPE.view()) == "END";
}

bool IsGroup(const dictionary::FieldQueue& field) {
    return rt::TrimTrailingSpaces(field.TYPE.view()) == "GROUP";
}

LabelIndex::LabelIndex(const dictionary::DictionaryModel& model) : model_(model) {
    auto files = dictionary::Rows(model.FILE);
    labels_.resize(files.size());
    files_.reserve(files.size());
    for (const dictionary::FileQueue& file : files)
        files_.try_emplace(LabelKey(file.LABEL.view()), &file);
    for (const dictionary::AliasQueue& alias : dictionary::Rows(model.ALIAS)) {
        aliases_.try_emplace(LabelKey(alias.LABEL.view()), &alias);
        aliasesOf_[LabelKey(alias.FILE.view())].push_back(&alias);
    }
}

const dictionary::FileQueue* LabelIndex::File(std::string_view label) const {
    auto found = files_.find(LabelKey(label));
    return found == files_.end() ? nullptr : found->second;
}

const dictionary::AliasQueue* LabelIndex::Alias(std::string_view label) const {
    auto found = aliases_.find(LabelKey(label));
    return found == aliases_.end() ? nullptr : found->second;
}

const dictionary::FileQueue* LabelIndex::FileOrAliased(std::string_view label) const {
    if (const dictionary::FileQueue* file = File(label)) return file;
    if (const dictionary::AliasQueue* alias = Alias(label)) return File(alias->FILE.view());
    return nullptr;
}

std::size_t LabelIndex::PositionOf(const dictionary::FileQueue& file) const {
    return static_cast<std::size_t>(&file - dictionary::Rows(model_.FILE).data());
}

std::size_t LabelIndex::PositionOf(const dictionary::AliasQueue& alias) const {
    return static_cast<std::size_t>(&alias - dictionary::Rows(model_.ALIAS).data());
}

const LabelIndex::FileLabels& LabelIndex::LabelsOf(const dictionary::FileQueue& file) const {
    FileLabels& labels = labels_[PositionOf(file)];
    if (labels.made) return labels;
    labels.made = true;
    for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
        if (!IsGroupEnd(field)) labels.fields.try_emplace(LabelKey(field.LABEL.view()), &field);
    }
    for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO))
        labels.others.try_emplace(LabelKey(memo.LABEL.view()), true);
    for (const dictionary::BlobQueue& blob : dictionary::Rows(file.BLOB))
        labels.others.try_emplace(LabelKey(blob.LABEL.view()), true);
    for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY))
        labels.keys.try_emplace(LabelKey(key.LABEL.view()), true);
    for (const dictionary::IndexQueue& index : dictionary::Rows(file.INDEX))
        labels.keys.try_emplace(LabelKey(index.LABEL.view()), true);
    return labels;
}

const dictionary::FieldQueue* LabelIndex::Field(const dictionary::FileQueue& file,
                                                std::string_view label) const {
    const FileLabels& labels = LabelsOf(file);
    auto found = labels.fields.find(LabelKey(label));
    return found == labels.fields.end() ? nullptr : found->second;
}

bool LabelIndex::HasFieldLike(const dictionary::FileQueue& file, std::string_view label) const {
    const FileLabels& labels = LabelsOf(file);
    const std::string key = LabelKey(label);
    return labels.fields.contains(key) || labels.others.contains(key);
}

bool LabelIndex::HasKey(const dictionary::FileQueue& file, std::string_view label) const {
    return LabelsOf(file).keys.contains(LabelKey(label));
}

std::vector<const dictionary::AliasQueue*> LabelIndex::AliasesOf(std::string_view file) const {
    auto found = aliasesOf_.find(LabelKey(file));
    return found == aliasesOf_.end() ? std::vector<const dictionary::AliasQueue*>{} : found->second;
}

}  // namespace workflow
