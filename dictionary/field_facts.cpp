#include "dictionary/field_facts.h"

#include "dictionary/txd_parser.h"
#include "runtime/core/blanks.h"

namespace dictionary {

bool IsGroupEnd(const FieldQueue& field) noexcept {
    return rt::TrimTrailingSpaces(field.TYPE.view()) == "END";
}

bool IsGroup(const FieldQueue& field) noexcept {
    return rt::TrimTrailingSpaces(field.TYPE.view()) == "GROUP";
}

std::string TypeText(const FieldQueue& field) {
    std::string type(rt::TrimTrailingSpaces(field.TYPE.view()));
    if (field.SIZE.has_value()) {
        type += '(';
        type += field.SIZE.view();
        type += ')';
    }
    return type;
}

std::string TypeTextWithDim(const FieldQueue& field) {
    std::string type = TypeText(field);
    if (field.DIM.has_value()) {
        type += ",DIM(";
        type += field.DIM.view();
        type += ')';
    }
    return type;
}

std::string MemoTypeText(const MemoQueue& memo) {
    return "MEMO(" + std::to_string(memo.SIZE) + ")";
}

std::string KeywordArguments(const ObjectTextRef& text, std::string_view keyword,
                             Scanner& scanner) {
    const std::string_view keywords = text ? text->KEYWORDS.view() : std::string_view();
    if (keywords.find(keyword) == std::string_view::npos) return {};
    scanner.Split(keywords, {}, true);
    std::string arguments = scanner.ArgumentsOf(keyword);
    if (rt::TrimTrailingSpaces(arguments).empty()) return {};
    return arguments;
}

std::vector<std::string_view> DescriptionLines(const ObjectTextRef& text) {
    std::vector<std::string_view> lines;
    if (!text) return lines;
    for (const TextLineQueue& line : Rows(text->Sections().LONGDESC))
        lines.push_back(line.TEXT.view());
    return lines;
}

std::vector<std::string_view> DictionaryDescription(const DictionaryModel& model) {
    std::vector<std::string_view> lines;
    for (const TextLineQueue& line : Rows(model.DESCRIPTION)) {
        if (!line.TEXT.view().starts_with(kDctPathLine)) lines.push_back(line.TEXT.view());
    }
    return lines;
}

std::vector<std::string> FileAttributeWords(const FileQueue& file) {
    std::vector<std::string> words;
    if (file.CREATE) words.emplace_back("CREATE");
    if (file.RECLAIM) words.emplace_back("RECLAIM");
    if (file.THREAD) words.emplace_back("THREAD");
    if (file.BINDABLE) words.emplace_back("BINDABLE");
    if (file.EXTERNAL) words.emplace_back("EXTERNAL");
    if (file.DLL) words.emplace_back("DLL");
    if (file.OEM) words.emplace_back("OEM");
    if (file.OWNER.has_value()) words.push_back("OWNER(" + file.OWNER.str() + ")");
    if (file.ENCRYPT) words.emplace_back("ENCRYPT");
    return words;
}

std::string_view GroupPrefix(const FieldQueue& group, Scanner& scanner) {
    if (!group.TEXT || !group.TEXT->DEFINITION.has_value()) return {};
    scanner.Split(group.TEXT->DEFINITION.view(), {}, true);
    const std::int32_t pre = scanner.Find("PRE", 3);
    if (pre == 0) return {};
    return rt::TrimBlanks(scanner.Argument(pre, 1));
}

std::vector<std::string> FieldPrefixes(const FileQueue& file, Scanner& scanner) {
    std::vector<std::string> prefixes;
    std::vector<std::string> open{std::string(rt::TrimBlanks(file.PREFIX.view()))};
    for (const FieldQueue& field : Rows(file.FIELD)) {
        prefixes.push_back(open.back());
        if (IsGroupEnd(field)) {
            if (open.size() > 1) open.pop_back();
        } else if (IsGroup(field)) {
            const std::string_view own = GroupPrefix(field, scanner);
            open.push_back(own.empty() ? open.back() : std::string(own));
        }
    }
    return prefixes;
}

}  // namespace dictionary
