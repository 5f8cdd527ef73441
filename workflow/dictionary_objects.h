// The objects of a dictionary as the structural diff compares them and as
// the text for Git lists them: each with its whole name ("Customer.Balance"),
// its attributes in a fixed order and its description.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model.h"
#include "dictionary/scanner.h"

namespace workflow {

// One attribute of an object: the name it is matched by ("TYPE", "PICTURE")
// and the text shown ("DECIMAL(11,2)", "PICTURE(@n-15.2)").
struct Attribute {
    std::string name;
    std::string text;
};
using Attributes = std::vector<Attribute>;

struct DictionaryObject {
    std::string label;  // as labels compare: "Balance", "Customer->Orders" for a relation
    std::string name;   // "Customer", "Customer.Balance", "ShipTo", "Relation Customer->Orders"
    Attributes attributes;
    std::vector<std::string_view> description;  // the long description's lines
};
using DictionaryObjects = std::vector<DictionaryObject>;

// The attribute texts joined by commas: "DATE,PICTURE(@d6)".
std::string Summary(const Attributes& attributes);

// The files, in the order of the FILE list.
DictionaryObjects FileObjects(const dictionary::DictionaryModel& model);
// A file's memos, then its blobs; `file` is the file's name.
DictionaryObjects StoreObjects(const dictionary::FileQueue& file, const std::string& name);
// A file's fields and groups (not the ends of groups).
DictionaryObjects FieldObjects(const dictionary::FileQueue& file, const std::string& name,
                               dictionary::Scanner& scanner);
// A file's keys, then its indexes.
DictionaryObjects KeyObjects(const dictionary::FileQueue& file, const std::string& name);
DictionaryObjects AliasObjects(const dictionary::DictionaryModel& model);
// The relations; a second relation of the same two files is named with its
// number: "Relation A->B (2)".
DictionaryObjects RelationObjects(const dictionary::DictionaryModel& model);

}  // namespace workflow
