#include "workflow/dictionary_text.h"

#include "dictionary/field_facts.h"
#include "runtime/core/blanks.h"
#include "runtime/core/windows1252.h"
#include "workflow/dictionary_objects.h"

namespace workflow {

namespace {

void AppendLine(std::string& out, std::string_view line) {
    out += rt::Windows1252ToUtf8(rt::ShowControlBytes(rt::TrimTrailingSpaces(line)));
    out += '\n';
}

void AppendDescription(std::string& out, const std::string& name,
                       const std::vector<std::string_view>& lines) {
    for (std::string_view line : lines)
        AppendLine(out, name + " description: " + std::string(rt::TrimBlanks(line)));
}

void AppendObject(std::string& out, const DictionaryObject& object) {
    AppendLine(out, object.name + " " + Summary(object.attributes));
    AppendDescription(out, object.name, object.description);
}

void AppendObjects(std::string& out, const DictionaryObjects& objects) {
    for (const DictionaryObject& object : objects) AppendObject(out, object);
}

}  // namespace

std::string DictionaryText(const dictionary::DictionaryModel& model) {
    std::string out;
    for (std::string_view line : dictionary::DictionaryDescription(model))
        AppendLine(out, "DESCRIPTION: " + std::string(rt::TrimBlanks(line)));
    dictionary::Scanner scanner;
    const DictionaryObjects files = FileObjects(model);
    const auto rows = dictionary::Rows(model.FILE);
    for (std::size_t at = 0; at < files.size(); ++at) {
        const std::string& name = files[at].name;
        AppendObject(out, files[at]);
        AppendObjects(out, KeyObjects(rows[at], name));
        AppendObjects(out, StoreObjects(rows[at], name));
        AppendObjects(out, FieldObjects(rows[at], name, scanner));
    }
    AppendObjects(out, AliasObjects(model));
    AppendObjects(out, RelationObjects(model));
    return out;
}

}  // namespace workflow
