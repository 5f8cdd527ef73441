#include "workflow/dictionary_objects.h"

#include <type_traits>
#include <unordered_map>

#include "dictionary/field_facts.h"
#include "dictionary/labels.h"
#include "runtime/core/blanks.h"
#include "runtime/core/joined.h"

namespace workflow {

using dictionary::DescriptionLines;

namespace {

std::string Trimmed(const dictionary::Text& text) {
    return std::string(rt::TrimBlanks(text.view()));
}

void AddIf(Attributes& attributes, std::string name, const dictionary::Text& value) {
    if (value.has_value()) attributes.push_back({name, name + "(" + Trimmed(value) + ")"});
}

// An attribute read from the annotation keywords, when it has arguments.
void AddIf(Attributes& attributes, std::string name, std::string arguments) {
    if (!arguments.empty()) attributes.push_back({name, name + "(" + arguments + ")"});
}

void AddFlag(Attributes& attributes, std::string_view name, bool set) {
    if (set) attributes.push_back({std::string(name), std::string(name)});
}

std::string OwnName(const dictionary::Text& label) {
    return std::string(rt::TrimTrailingSpaces(label.view()));
}

std::string MemberName(const std::string& file, const dictionary::Text& label) {
    return file + "." + OwnName(label);
}

template <class Row>
DictionaryObject Member(const Row& row, const std::string& file, Attributes attributes) {
    return {std::string(row.LABEL.view()), MemberName(file, row.LABEL), std::move(attributes),
            DescriptionLines(row.TEXT)};
}

template <class Row>
Attributes KeyAttributes(const Row& row, std::string_view kind) {
    Attributes attributes{{"TYPE", std::string(kind) + "(" +
                                       rt::Joined(dictionary::Components(row.FIELD), ",") + ")"}};
    AddIf(attributes, "NAME", row.NAME);
    if constexpr (std::is_same_v<Row, dictionary::KeyQueue>) AddFlag(attributes, "DUP", row.DUP);
    AddFlag(attributes, "NOCASE", row.NOCASE);
    AddFlag(attributes, "OPT", row.OPT);
    if constexpr (std::is_same_v<Row, dictionary::KeyQueue>)
        AddFlag(attributes, "PRIMARY", row.PRIMARY);
    return attributes;
}

std::string Pairs(const dictionary::List<dictionary::FieldPairQueue>& pairs) {
    std::string text;
    for (const dictionary::FieldPairQueue& pair : dictionary::Rows(pairs)) {
        if (!text.empty()) text += ',';
        text += "FIELD(" + Trimmed(pair.LEFT) + "," + Trimmed(pair.RIGHT) + ")";
    }
    return text;
}

}  // namespace

std::string Summary(const Attributes& attributes) {
    std::vector<std::string_view> texts;
    for (const Attribute& attribute : attributes) texts.push_back(attribute.text);
    return rt::Joined(texts, ",");
}

DictionaryObjects FileObjects(const dictionary::DictionaryModel& model) {
    DictionaryObjects objects;
    for (const dictionary::FileQueue& file : dictionary::Rows(model.FILE)) {
        Attributes attributes{{"FILE", "FILE"}};
        AddIf(attributes, "DRIVER", file.DRIVER);
        AddIf(attributes, "PRE", file.PREFIX);
        AddIf(attributes, "NAME", file.NAME);
        for (std::string& word : dictionary::FileAttributeWords(file)) {
            const std::string name = word.substr(0, word.find('('));
            attributes.push_back({name, std::move(word)});
        }
        objects.push_back({std::string(file.LABEL.view()), OwnName(file.LABEL),
                           std::move(attributes), DescriptionLines(file.TEXT)});
    }
    return objects;
}

DictionaryObjects StoreObjects(const dictionary::FileQueue& file, const std::string& name) {
    DictionaryObjects objects;
    for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO)) {
        Attributes attributes{{"TYPE", dictionary::MemoTypeText(memo)}};
        AddIf(attributes, "PICTURE", memo.PICTURE);
        objects.push_back(Member(memo, name, std::move(attributes)));
    }
    for (const dictionary::BlobQueue& blob : dictionary::Rows(file.BLOB))
        objects.push_back(Member(blob, name, {{"TYPE", "BLOB"}}));
    return objects;
}

DictionaryObjects FieldObjects(const dictionary::FileQueue& file, const std::string& name,
                               dictionary::Scanner& scanner) {
    DictionaryObjects objects;
    for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
        if (dictionary::IsGroupEnd(field)) continue;
        Attributes attributes{{"TYPE", dictionary::TypeText(field)}};
        AddIf(attributes, "DIM", field.DIM);
        AddIf(attributes, "PICTURE", field.PICTURE);
        AddIf(attributes, "VALID", dictionary::ValidOf(field.TEXT, scanner));
        AddIf(attributes, "PROMPT", dictionary::PromptOf(field.TEXT, scanner));
        AddIf(attributes, "HEADER", dictionary::HeaderOf(field.TEXT, scanner));
        objects.push_back(Member(field, name, std::move(attributes)));
    }
    return objects;
}

DictionaryObjects KeyObjects(const dictionary::FileQueue& file, const std::string& name) {
    DictionaryObjects objects;
    for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY))
        objects.push_back(Member(key, name, KeyAttributes(key, "KEY")));
    for (const dictionary::IndexQueue& index : dictionary::Rows(file.INDEX))
        objects.push_back(Member(index, name, KeyAttributes(index, "INDEX")));
    return objects;
}

DictionaryObjects AliasObjects(const dictionary::DictionaryModel& model) {
    DictionaryObjects objects;
    for (const dictionary::AliasQueue& alias : dictionary::Rows(model.ALIAS)) {
        Attributes attributes{{"ALIAS", "ALIAS(" + Trimmed(alias.FILE) + ")"}};
        AddIf(attributes, "PRE", alias.PREFIX);
        objects.push_back({std::string(alias.LABEL.view()), OwnName(alias.LABEL),
                           std::move(attributes), DescriptionLines(alias.TEXT)});
    }
    return objects;
}

DictionaryObjects RelationObjects(const dictionary::DictionaryModel& model) {
    DictionaryObjects objects;
    std::unordered_map<std::string, std::size_t> seen;
    for (const dictionary::RelationQueue& relation : dictionary::Rows(model.RELATION)) {
        const std::string key = OwnName(relation.LEFTFILE) + "->" + OwnName(relation.RIGHTFILE);
        Attributes attributes{
            {"TYPE", std::string(rt::TrimBlanks(relation.TYPE.view()))},
            {"FILE", "FILE(" + Trimmed(relation.LEFTKEY) + ")"},
            {"RELATED_FILE", "RELATED_FILE(" + Trimmed(relation.RIGHTKEY) + ")"},
            {"FILE_TO_RELATED_KEY", "FILE_TO_RELATED_KEY(" + Pairs(relation.LEFTFIELDS) + ")"},
            {"RELATED_FILE_TO_KEY", "RELATED_FILE_TO_KEY(" + Pairs(relation.RIGHTFIELDS) + ")"}};
        AddIf(attributes, "UPDATE", relation.RIUPDATE);
        AddIf(attributes, "DELETE", relation.RIDELETE);
        std::string name = "Relation " + key;
        if (const std::size_t count = ++seen[std::string(dictionary::LabelKey(key))]; count > 1)
            name += " (" + std::to_string(count) + ")";
        objects.push_back({key, std::move(name), std::move(attributes), {}});
    }
    return objects;
}

}  // namespace workflow
