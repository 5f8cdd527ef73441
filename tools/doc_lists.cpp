// kestrian-doc lists: the dictionary window's heading and four lists.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "dictionary/model_json.h"
#include "display/core/dictionary_lists.h"
#include "display/core/list_columns.h"
#include "runtime/core/blanks.h"
#include "runtime/core/windows1252.h"
#include "tools/doc_arguments.h"
#include "tools/doc_commands.h"

namespace tools {

namespace {

// Column widths depend on the window's font; this tool counts characters
// at four dialog units each.
int CharacterWidth(std::string_view text) {
    return static_cast<int>(text.size()) * 4;
}

struct ListView {
    std::string_view key;                       // JSON member
    std::string_view title;                     // title of the text table
    std::span<const display::ListColumn> list;  // the window's columns
};

const ListView kFilesView{"FILES", "Files", display::kFileListColumns};
const ListView kFieldsView{"FIELDS", "Fields", display::kFieldListColumns};
const ListView kKeysView{"KEYS", "Keys", display::kKeyListColumns};
const ListView kRelationsView{"RELATIONS", "Relations", display::kRelationListColumns};

// One row of any list: its cell texts and the files row's ID when it has one.
void AppendJsonRow(std::string& out, const ListView& view, const rt::ListRow& cells,
                   const std::int32_t* id) {
    out += "    {";
    for (std::size_t c = 0; c < view.list.size() && c < cells.size(); ++c) {
        out += '"';
        out += view.list[c].field;
        out += "\": ";
        dictionary::AppendJsonString(out, rt::TrimTrailingSpaces(cells[c].text));
        out += ", ";
    }
    if (id != nullptr) out += "\"ID\": " + std::to_string(*id) + ", ";
    out += "\"NB\": [";
    std::vector<std::int32_t> backgrounds = display::NormalBackgrounds(cells);
    for (std::size_t c = 0; c < backgrounds.size(); ++c) {
        if (c > 0) out += ", ";
        out += std::to_string(backgrounds[c]);
    }
    out += "]}";
}

template <class Rows, class CellsOf, class IdOf>
void AppendJsonList(std::string& out, const ListView& view, const Rows& rows, CellsOf cellsOf,
                    IdOf idOf, bool last) {
    out += "  \"";
    out += view.key;
    out += "\": [";
    for (std::size_t r = 0; r < rows.size(); ++r) {
        out += r == 0 ? "\n" : ",\n";
        AppendJsonRow(out, view, cellsOf(rows[r]), idOf(rows[r]));
    }
    out += rows.empty() ? "]" : "\n  ]";
    out += last ? "\n" : ",\n";
}

std::string ListsJson(const display::DictionaryLists& lists) {
    auto cellsOfFile = [](const display::FileListRow& row) -> const rt::ListRow& {
        return row.cells;
    };
    auto idOfFile = [](const display::FileListRow& row) { return &row.ID; };
    auto cells = [](const rt::ListRow& row) -> const rt::ListRow& { return row; };
    auto noId = [](const rt::ListRow&) -> const std::int32_t* { return nullptr; };
    std::string out = "{\n  \"HEADING\": ";
    dictionary::AppendJsonString(out, rt::TrimTrailingSpaces(lists.Heading()));
    out += ",\n";
    AppendJsonList(out, kFilesView, lists.Files().rows, cellsOfFile, idOfFile, false);
    AppendJsonList(out, kFieldsView, lists.Fields().rows, cells, noId, false);
    AppendJsonList(out, kKeysView, lists.Keys().rows, cells, noId, false);
    AppendJsonList(out, kRelationsView, lists.Relations().rows, cells, noId, true);
    out += "}\n";
    return out;
}

// A cell or heading as a terminal shows it: without trailing blanks, and
// with control bytes made visible (still one byte a character).
std::string Shown(std::string_view text) {
    return rt::ShowControlBytes(rt::TrimTrailingSpaces(text));
}

// A list as a table for a terminal (UTF-8): a title, the headers, then one
// line per row, columns two blanks apart, lines without trailing blanks.
// A Windows-1252 byte is one character, so byte counts align the columns.
void AppendTable(std::string& out, const ListView& view, const rt::ListRows& rows) {
    std::vector<std::size_t> widths;
    for (const display::ListColumn& column : view.list) widths.push_back(column.header.size());
    for (const rt::ListRow& row : rows) {
        for (std::size_t c = 0; c < widths.size() && c < row.size(); ++c) {
            widths[c] = std::max(widths[c], Shown(row[c].text).size());
        }
    }
    auto line = [&](auto textOf) {
        std::string text;
        for (std::size_t c = 0; c < widths.size(); ++c) {
            const std::string cell = textOf(c);
            text.append(rt::Windows1252ToUtf8(cell));
            if (c + 1 < widths.size()) text.append(widths[c] - cell.size() + 2, ' ');
        }
        out.append(rt::TrimTrailingSpaces(text));
        out += '\n';
    };
    out += '\n';
    out += view.title;
    out += " (" + std::to_string(rows.size()) + ")\n";
    line([&](std::size_t c) { return std::string(view.list[c].header); });
    for (const rt::ListRow& row : rows) {
        line([&](std::size_t c) { return c < row.size() ? Shown(row[c].text) : std::string(); });
    }
}

std::string ListsText(const display::DictionaryLists& lists) {
    std::string out = rt::Windows1252ToUtf8(Shown(lists.Heading()));
    out += '\n';
    AppendTable(out, kFilesView, lists.Files().ControlRows());
    AppendTable(out, kFieldsView, lists.Fields().rows);
    AppendTable(out, kKeysView, lists.Keys().rows);
    AppendTable(out, kRelationsView, lists.Relations().rows);
    return out;
}

// Row (1-based) of the Files list whose name is `name`; 0 when none.
std::vector<std::string_view> RowNames(const display::FileList& files) {
    std::vector<std::string_view> names;
    names.reserve(files.rows.size());
    for (const auto& row : files.rows) names.push_back(row.Text(display::kFileName));
    return names;
}

}  // namespace

int RunLists(Args args) {
    const std::optional<ListsArguments> read = ReadListsArguments(args);
    if (!read) return kExitOk;
    const ListsArguments& options = *read;
    auto model = LoadExport(options.input);
    if (!model) return kExitBadInput;
    display::DictionaryLists lists(*model, options.input, CharacterWidth);
    lists.Build(0);
    if (options.select) {
        const std::optional<std::size_t> row =
            ChooseSelected("lists", options.input, RowNames(lists.Files()), *options.select);
        if (!row) return kExitBadInput;
        lists.Build(static_cast<std::int32_t>(*row + 1));
    }
    std::string out = options.json ? ListsJson(lists) : ListsText(lists);
    if (!WriteStandardOutput(out)) return kExitOutputFailed;
    return kExitOk;
}

}  // namespace tools
