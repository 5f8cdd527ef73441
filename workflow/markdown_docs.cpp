#include "workflow/markdown_docs.h"

#include <algorithm>

#include "dictionary/field_facts.h"
#include "dictionary/labels.h"
#include "dictionary/relation_index.h"
#include "dictionary/scanner.h"
#include "dictionary/txd_parser.h"
#include "runtime/core/blanks.h"
#include "runtime/core/joined.h"
#include "workflow/graph_text.h"
#include "workflow/markdown.h"
#include "workflow/page_names.h"
#include "workflow/relation_graph.h"

namespace workflow {

using dictionary::Components;
using dictionary::DescriptionLines;
using dictionary::IsGroup;
using dictionary::IsGroupEnd;
using dictionary::Unqualified;
using dictionary::ValidOf;

namespace {

constexpr std::string_view kFilesFolder = "files/";

using Cells = std::vector<std::string>;

// A Markdown table; `header` cells ending in ":" are right-aligned columns.
class Table {
  public:
    explicit Table(Cells header) : header_(std::move(header)) {}
    void Add(Cells row) { rows_.push_back(std::move(row)); }
    bool Empty() const { return rows_.empty(); }

    void AppendTo(std::string& out) const {
        auto line = [&](const Cells& cells) {
            out += '|';
            for (const std::string& cell : cells) {
                out += ' ';
                out += cell;
                out += " |";
            }
            out += '\n';
        };
        Cells heads;
        for (const std::string& head : header_)
            heads.push_back(head.ends_with(':') ? head.substr(0, head.size() - 1) : head);
        line(heads);
        out += '|';
        for (const std::string& head : header_) out += head.ends_with(':') ? "---:|" : "---|";
        out += '\n';
        for (const Cells& row : rows_) line(row);
        out += '\n';
    }

  private:
    Cells header_;
    std::vector<Cells> rows_;
};

// Lines of text as one paragraph, each line kept (a backslash breaks it).
void AppendParagraph(std::string& out, const std::vector<std::string_view>& lines) {
    std::vector<std::string> shown;
    for (std::string_view line : lines) {
        std::string text = MarkdownLine(line);
        if (!text.empty()) shown.push_back(std::move(text));
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        out += shown[i];
        out += i + 1 < shown.size() ? "\\\n" : "\n\n";
    }
}

// The description lines as one table cell.
std::string DescriptionCell(const dictionary::ObjectTextRef& text) {
    std::string cell;
    for (std::string_view line : DescriptionLines(text)) {
        const std::string shown = MarkdownText(rt::TrimBlanks(line));
        if (shown.empty()) continue;
        if (!cell.empty()) cell += ' ';
        cell += shown;
    }
    return cell;
}

std::string FirstDescriptionLine(const dictionary::ObjectTextRef& text) {
    for (std::string_view line : DescriptionLines(text)) {
        if (!rt::TrimBlanks(line).empty()) return MarkdownText(rt::TrimBlanks(line));
    }
    return {};
}

// A header value without its quotes and doubled blanks: "12 MAR 2001 9:15:00AM".
std::string HeaderValue(const dictionary::Text& value) {
    std::string text;
    for (char c : dictionary::RemoveChars(value.view(), "'", false)) {
        if (c == ' ' && (text.empty() || text.back() == ' ')) continue;
        text += c;
    }
    return MarkdownText(text);
}

std::string Plain(const dictionary::Text& text) {
    return MarkdownText(rt::TrimBlanks(text.view()));
}

// A quoted attribute value without its quotes: DRIVER('DOS'), NAME('X.DAT').
std::string Unquoted(const dictionary::Text& text) {
    return MarkdownText(rt::TrimBlanks(dictionary::RemoveChars(text.view(), "'", false)));
}

std::string KeyComponentsCell(const dictionary::List<dictionary::TextLineQueue>& list) {
    std::vector<std::string> parts;
    for (std::string_view component : Components(list)) {
        std::string part = MarkdownText(Unqualified(component));
        if (component.starts_with('-')) part += " (descending)";
        parts.push_back(std::move(part));
    }
    return rt::Joined(parts, ", ");
}

std::size_t FieldCount(const dictionary::FileQueue& file) {
    auto fields = dictionary::Rows(file.FIELD);
    return static_cast<std::size_t>(
        std::count_if(fields.begin(), fields.end(),
                      [](const dictionary::FieldQueue& field) { return !IsGroupEnd(field); }));
}

class Writer {
  public:
    Writer(const dictionary::DictionaryModel& model, DocsDiagram diagram)
        : model_(model),
          diagram_(diagram),
          labels_(model),
          relations_(model),
          graphs_(model, relations_),
          pages_(PageNames(model)) {}

    std::vector<DocsFile> Run() {
        std::vector<DocsFile> out;
        out.push_back({"README.md", Index(), false});
        auto files = dictionary::Rows(model_.FILE);
        for (std::size_t i = 0; i < files.size(); ++i) {
            out.push_back(
                {std::string(kFilesFolder) + pages_[i] + ".md", Page(files[i], i), false});
        }
        if (diagram_ == DocsDiagram::Svg) {
            out.push_back({"dictionary.svg", GraphDot(graphs_.Whole()), true});
            for (std::size_t i = 0; i < files.size(); ++i) {
                if (auto graph = graphs_.Around(files[i].LABEL.view(), 1))
                    out.push_back({std::string(kFilesFolder) + pages_[i] + ".svg",
                                   GraphDot(*graph, GraphColumns::All), true});
            }
        }
        return out;
    }

  private:
    // A link to the page of the file `label` names (through an alias too),
    // from a page in `from` ("" for README.md, "files/" for a file's page);
    // the label alone when there is no such file.
    std::string Link(std::string_view label, std::string_view from) const {
        const std::string text = MarkdownText(label);
        const dictionary::FileQueue* file = labels_.FileOrAliased(label);
        if (file == nullptr) return text;
        const std::string& page = pages_[labels_.PositionOf(*file)];
        return "[" + text + "](" + (from.empty() ? std::string(kFilesFolder) : std::string()) +
               page + ".md)";
    }

    std::string Index() const {
        std::string out(kGeneratedMark);
        out += "\n\n";
        // The parser adds the path the export was read from, as typed, to the
        // description (comment lines after the files' header may follow it):
        // only its file name is shown, so that the page is the same wherever
        // the export lies.
        std::string_view path;
        std::vector<std::string_view> description;
        for (const dictionary::TextLineQueue& line : dictionary::Rows(model_.DESCRIPTION)) {
            if (line.TEXT.view().starts_with(dictionary::kDctPathLine)) {
                path = rt::TrimBlanks(line.TEXT.view().substr(dictionary::kDctPathLine.size()));
            } else {
                description.push_back(line.TEXT.view());
            }
        }
        const std::string name = MarkdownText(path.substr(path.find_last_of("/\\") + 1));
        out += "# Dictionary " + name + "\n\n";
        Table header({"Dictionary", ""});
        header.Add({"Export", name});
        header.Add({"Version", HeaderValue(model_.VERSION)});
        header.Add({"Created", HeaderValue(model_.CREATED)});
        header.Add({"Modified", HeaderValue(model_.MODIFIED)});
        header.AppendTo(out);
        AppendParagraph(out, description);

        auto files = dictionary::Rows(model_.FILE);
        out += "## Files\n\n";
        Table table({"File", "Prefix", "Driver", "Name", "Fields:", "Keys:", "Description"});
        for (std::size_t i = 0; i < files.size(); ++i) {
            const dictionary::FileQueue& file = files[i];
            table.Add({"[" + MarkdownText(file.LABEL.view()) + "](" + std::string(kFilesFolder) +
                           pages_[i] + ".md)",
                       Plain(file.PREFIX), Unquoted(file.DRIVER), Unquoted(file.NAME),
                       std::to_string(FieldCount(file)),
                       std::to_string(dictionary::Rows(file.KEY).size() +
                                      dictionary::Rows(file.INDEX).size()),
                       FirstDescriptionLine(file.TEXT)});
        }
        if (table.Empty()) {
            out += "The dictionary has no files.\n\n";
        } else {
            table.AppendTo(out);
        }

        if (!dictionary::Rows(model_.ALIAS).empty()) {
            out += "## Aliases\n\n";
            Table aliases({"Alias", "File", "Prefix"});
            for (const dictionary::AliasQueue& alias : dictionary::Rows(model_.ALIAS))
                aliases.Add({MarkdownText(alias.LABEL.view()), Link(alias.FILE.view(), ""),
                             Plain(alias.PREFIX)});
            aliases.AppendTo(out);
        }
        if (!dictionary::Rows(model_.RELATION).empty()) {
            out += "## Relations\n\n";
            Table relations({"File", "Key", "Type", "Related file", "Key", "Update", "Delete"});
            for (const dictionary::RelationQueue& relation : dictionary::Rows(model_.RELATION)) {
                relations.Add({Link(relation.LEFTFILE.view(), ""),
                               MarkdownText(Unqualified(relation.LEFTKEY.view())),
                               MarkdownText(rt::TrimBlanks(relation.TYPE.view())),
                               Link(relation.RIGHTFILE.view(), ""),
                               MarkdownText(Unqualified(relation.RIGHTKEY.view())),
                               Plain(relation.RIUPDATE), Plain(relation.RIDELETE)});
            }
            relations.AppendTo(out);
        }
        if (diagram_ != DocsDiagram::None && !files.empty()) {
            out += "## Diagram\n\n";
            if (diagram_ == DocsDiagram::Svg) {
                out += "![Files and relations of the dictionary](dictionary.svg)\n";
            } else {
                out += "```mermaid\n" + GraphMermaid(graphs_.Whole()) + "```\n";
            }
        }
        TrimEnd(out);
        return out;
    }

    std::string Page(const dictionary::FileQueue& file, std::size_t position) {
        const std::string label = MarkdownText(file.LABEL.view());
        std::string out(kGeneratedMark);
        out += "\n\n# " + label + "\n\n[Dictionary](../README.md) / " + label + "\n\n";
        AppendParagraph(out, DescriptionLines(file.TEXT));

        out += "## Attributes\n\n";
        Table attributes({"Prefix", "Driver", "Name", "Attributes"});
        std::vector<std::string> words;
        for (const std::string& word : dictionary::FileAttributeWords(file))
            words.push_back(MarkdownText(word));
        attributes.Add({Plain(file.PREFIX), Unquoted(file.DRIVER), Unquoted(file.NAME),
                        rt::Joined(words, ", ")});
        attributes.AppendTo(out);

        Fields(out, file);
        Stores(out, file);
        Keys(out, file);
        Relations(out, file);
        const auto aliases = labels_.AliasesOf(file.LABEL.view());
        if (!aliases.empty()) {
            out += "## Aliases\n\n";
            Table table({"Alias", "Prefix"});
            for (const dictionary::AliasQueue* alias : aliases)
                table.Add({MarkdownText(alias->LABEL.view()), Plain(alias->PREFIX)});
            table.AppendTo(out);
        }
        if (diagram_ != DocsDiagram::None) {
            out += "## Diagram\n\n";
            if (diagram_ == DocsDiagram::Svg) {
                out += "![Files one relation from " + label + "](" + pages_[position] + ".svg)\n";
            } else if (auto graph = graphs_.Around(file.LABEL.view(), 1)) {
                out += "```mermaid\n" + GraphMermaid(*graph, GraphColumns::All) + "```\n";
            }
        }
        TrimEnd(out);
        return out;
    }

    void Fields(std::string& out, const dictionary::FileQueue& file) {
        if (dictionary::Rows(file.FIELD).empty()) return;
        out += "## Fields\n\n";
        Table table({"Field", "Type", "DIM", "Picture", "Valid", "Description"});
        std::size_t depth = 0;
        for (const dictionary::FieldQueue& field : dictionary::Rows(file.FIELD)) {
            if (IsGroupEnd(field)) {
                if (depth > 0) --depth;
                continue;
            }
            std::string indent;
            for (std::size_t i = 0; i < std::min(depth, dictionary::kMaxGroupIndent); ++i)
                indent += "&emsp;";
            table.Add({indent + MarkdownText(field.LABEL.view()),
                       MarkdownText(dictionary::TypeText(field)), Plain(field.DIM),
                       Plain(field.PICTURE), MarkdownText(ValidOf(field.TEXT, scanner_)),
                       DescriptionCell(field.TEXT)});
            if (IsGroup(field)) ++depth;
        }
        table.AppendTo(out);
    }

    void Stores(std::string& out, const dictionary::FileQueue& file) {
        if (dictionary::Rows(file.MEMO).empty() && dictionary::Rows(file.BLOB).empty()) return;
        out += "## Memos and blobs\n\n";
        Table table({"Label", "Type", "Picture", "Description"});
        for (const dictionary::MemoQueue& memo : dictionary::Rows(file.MEMO))
            table.Add({MarkdownText(memo.LABEL.view()), dictionary::MemoTypeText(memo),
                       Plain(memo.PICTURE), DescriptionCell(memo.TEXT)});
        for (const dictionary::BlobQueue& blob : dictionary::Rows(file.BLOB))
            table.Add({MarkdownText(blob.LABEL.view()), "BLOB", "", DescriptionCell(blob.TEXT)});
        table.AppendTo(out);
    }

    void Keys(std::string& out, const dictionary::FileQueue& file) {
        if (dictionary::Rows(file.KEY).empty() && dictionary::Rows(file.INDEX).empty()) return;
        out += "## Keys and indexes\n\n";
        Table table({"Key", "Kind", "Components", "Attributes", "Name", "Description"});
        for (const dictionary::KeyQueue& key : dictionary::Rows(file.KEY)) {
            std::vector<std::string> words;
            if (key.PRIMARY) words.emplace_back("PRIMARY");
            if (key.DUP) words.emplace_back("DUP");
            if (key.NOCASE) words.emplace_back("NOCASE");
            if (key.OPT) words.emplace_back("OPT");
            table.Add({MarkdownText(key.LABEL.view()), "KEY", KeyComponentsCell(key.FIELD),
                       rt::Joined(words, ", "), Unquoted(key.NAME), DescriptionCell(key.TEXT)});
        }
        for (const dictionary::IndexQueue& index : dictionary::Rows(file.INDEX)) {
            std::vector<std::string> words;
            if (index.NOCASE) words.emplace_back("NOCASE");
            if (index.OPT) words.emplace_back("OPT");
            table.Add({MarkdownText(index.LABEL.view()), "INDEX", KeyComponentsCell(index.FIELD),
                       rt::Joined(words, ", "), Unquoted(index.NAME), DescriptionCell(index.TEXT)});
        }
        table.AppendTo(out);
    }

    static std::string PairsCell(const dictionary::List<dictionary::FieldPairQueue>& pairs) {
        std::vector<std::string> parts;
        for (const dictionary::FieldPairQueue& pair : dictionary::Rows(pairs))
            parts.push_back(Plain(pair.LEFT) + " = " + Plain(pair.RIGHT));
        return rt::Joined(parts, ", ");
    }

    void Relations(std::string& out, const dictionary::FileQueue& file) {
        const auto ends = relations_.EndsOf(file.LABEL.view());
        if (ends.empty()) return;
        auto rows = dictionary::Rows(model_.RELATION);
        out += "## Relations\n\n";
        Table table(
            {"Related file", "Relation", "Key", "Related key", "Fields", "Update", "Delete"});
        for (const dictionary::RelationIndex::End& end : ends) {
            const dictionary::RelationQueue& relation = rows[end.position];
            const bool oneHere = end.left == dictionary::LeftSideIsOne(relation);
            table.Add(
                {Link((end.left ? relation.RIGHTFILE : relation.LEFTFILE).view(), kFilesFolder),
                 oneHere ? "one to many" : "many to one",
                 MarkdownText(
                     Unqualified((end.left ? relation.LEFTKEY : relation.RIGHTKEY).view())),
                 MarkdownText(
                     Unqualified((end.left ? relation.RIGHTKEY : relation.LEFTKEY).view())),
                 PairsCell(end.left ? relation.LEFTFIELDS : relation.RIGHTFIELDS),
                 Plain(relation.RIUPDATE), Plain(relation.RIDELETE)});
        }
        table.AppendTo(out);
    }

    // One line feed at the end of a page.
    static void TrimEnd(std::string& out) {
        while (!out.empty() && out.back() == '\n') out.pop_back();
        out += '\n';
    }

    const dictionary::DictionaryModel& model_;
    DocsDiagram diagram_;
    dictionary::LabelIndex labels_;
    dictionary::RelationIndex relations_;
    GraphSource graphs_;
    std::vector<std::string> pages_;
    dictionary::Scanner scanner_;
};

}  // namespace

std::vector<DocsFile> MarkdownDocumentation(const dictionary::DictionaryModel& model,
                                            DocsDiagram diagram) {
    return Writer(model, diagram).Run();
}

}  // namespace workflow
