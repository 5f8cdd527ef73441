#include "workflow/graph_text.h"

#include <algorithm>

#include "dictionary/model.h"
#include "runtime/core/windows1252.h"

namespace workflow {

namespace {

// Text inside a record label: the characters that shape a record escaped.
std::string RecordText(std::string_view text) {
    std::string out;
    for (char c : rt::ShowControlBytes(text)) {
        if (c == '\\' || c == '{' || c == '}' || c == '|' || c == '<' || c == '>' || c == '"')
            out += '\\';
        out += c;
    }
    return rt::Windows1252ToUtf8(out);
}

// Text inside a quoted DOT string.
std::string QuotedText(std::string_view text) {
    std::string out;
    for (char c : rt::ShowControlBytes(text)) {
        if (c == '\\' || c == '"') out += '\\';
        out += c;
    }
    return rt::Windows1252ToUtf8(out);
}

// Text inside a quoted Mermaid label, as entity codes wherever it could end
// the label or make Mermaid read it as anything but text: the quote, markup,
// "%" (two make a directive or a comment, even inside a label), brackets,
// ">" (an arrow), "#" and "&" (entities), the backquote (a Markdown string).
// Control bytes are shown as "^J" and such, so a label stays one line.
std::string MermaidText(std::string_view text) {
    std::string out;
    for (char c : rt::ShowControlBytes(text)) {
        switch (c) {
            case '"':
                out += "#quot;";
                break;
            case '<':
                out += "#lt;";
                break;
            case '>':
                out += "#gt;";
                break;
            case '#':
                out += "#35;";
                break;
            case '&':
                out += "#amp;";
                break;
            case '`':
                out += "#96;";
                break;
            case '%':
                out += "#37;";
                break;
            case '[':
                out += "#91;";
                break;
            case ']':
                out += "#93;";
                break;
            case '\t':
                out += "#9;";
                break;
            default:
                out += c;
        }
    }
    return rt::Windows1252ToUtf8(out);
}

// The fill of the selected node.
constexpr const char* kSelectedFill = "#fff0b3";
// What stands for the field pairs an edge leaves out: an ellipsis, UTF-8.
constexpr const char* kMorePairs = "\xE2\x80\xA6";
// Blanks a box indents a GROUP's members by, per level.
constexpr std::size_t kIndentStep = 4;

std::size_t IndentBlanks(const GraphField& field) {
    return std::min(field.depth, dictionary::kMaxGroupIndent) * kIndentStep;
}

std::string MoreFields(std::size_t count) {
    return "... and " + std::to_string(count) + " more";
}

// The fields of a record: a column of names beside a column of types, one
// line a field (records stack top to bottom left to right, and a nested
// record turns that), then a line counting the fields left out.
std::string RecordFields(const std::vector<GraphField>& fields) {
    if (fields.empty()) return {};
    const std::size_t shown = std::min(fields.size(), kMaxBoxFields);
    std::string names, types;
    for (std::size_t i = 0; i < shown; ++i) {
        // A record collapses plain blanks; escaped ones stay.
        for (std::size_t blank = 0; blank < IndentBlanks(fields[i]); ++blank) names += "\\ ";
        names += RecordText(fields[i].label) + "\\l";
        types += RecordText(fields[i].type) + "\\l";
    }
    std::string out = "|{" + names + "|" + types + "}";
    if (fields.size() > shown) out += "|" + MoreFields(fields.size() - shown) + "\\l";
    return out;
}

// The lines of a box below the label and prefix, in Mermaid.
std::string MermaidFields(const std::vector<GraphField>& fields) {
    const std::size_t shown = std::min(fields.size(), kMaxBoxFields);
    std::string out;
    for (std::size_t i = 0; i < shown; ++i) {
        out += "<br/>";
        for (std::size_t blank = 0; blank < IndentBlanks(fields[i]); ++blank) out += "#160;";
        out += MermaidText(fields[i].label) + " <i>" + MermaidText(fields[i].type) + "</i>";
    }
    if (fields.size() > shown) out += "<br/>" + MoreFields(fields.size() - shown);
    return out;
}

// An edge's label: the keys, then with GraphColumns::All a line a field pair,
// each line already escaped by `escape` and joined by `lineBreak`.
template <class Escape>
std::string EdgeLabel(const GraphEdge& edge, GraphColumns columns, Escape escape,
                      std::string_view lineBreak) {
    std::string out = edge.label.empty() ? std::string() : escape(edge.label);
    if (columns != GraphColumns::All) return out;
    const std::size_t shown = std::min(edge.fieldPairs.size(), kMaxEdgePairs);
    for (std::size_t i = 0; i < shown; ++i) {
        if (!out.empty()) out += lineBreak;
        out += escape(edge.fieldPairs[i]);
    }
    if (edge.fieldPairs.size() > shown) out += std::string(lineBreak) + kMorePairs;
    return out;
}

}  // namespace

std::string GraphDot(const RelationGraph& graph, GraphColumns columns) {
    std::string out =
        "digraph dictionary {\n"
        "  graph [rankdir=LR, fontname=\"Helvetica\", fontsize=10, nodesep=0.3, ranksep=0.8];\n"
        "  node [shape=record, fontname=\"Helvetica\", fontsize=10];\n"
        "  edge [fontname=\"Helvetica\", fontsize=9, dir=both];\n";
    for (const GraphNode& node : graph.nodes) {
        // Left to right, a record's fields stack top to bottom.
        out += "  " + node.id + " [label=\"" + RecordText(node.label);
        if (!node.prefix.empty()) out += "|" + RecordText(node.prefix);
        if (columns == GraphColumns::Keys && !node.primaryKey.empty()) {
            out += "|";
            for (const std::string& field : node.primaryKey) out += RecordText(field) + "\\l";
        }
        if (columns == GraphColumns::All) out += RecordFields(node.fields);
        out += "\"";
        if (node.selected) {
            out += node.alias ? ", style=\"dashed,filled\"" : ", style=filled";
            out += std::string(", penwidth=2, fillcolor=\"") + kSelectedFill + "\"";
        } else if (node.alias) {
            out += ", style=dashed";
        }
        out += "];\n";
    }
    for (const GraphEdge& edge : graph.edges) {
        out += "  " + graph.nodes[edge.from].id + " -> " + graph.nodes[edge.to].id;
        if (edge.aliasLink) {
            out += " [style=dashed, dir=none];\n";
            continue;
        }
        out += std::string(" [arrowtail=") + (edge.fromMany ? "crow" : "tee") +
               ", arrowhead=" + (edge.toMany ? "crow" : "tee");
        const std::string label = EdgeLabel(edge, columns, QuotedText, "\\n");
        if (!label.empty()) out += ", label=\"" + label + "\"";
        out += "];\n";
    }
    out += "}\n";
    return out;
}

std::string GraphMermaid(const RelationGraph& graph, GraphColumns columns) {
    std::string out = "flowchart LR\n";
    // A node takes one class: a selected alias has one of its own.
    const char* selectedClass = nullptr;
    for (const GraphNode& node : graph.nodes) {
        out += "  " + node.id + "[\"<b>" + MermaidText(node.label) + "</b>";
        if (!node.prefix.empty()) out += "<br/>" + MermaidText(node.prefix);
        if (columns == GraphColumns::Keys) {
            for (const std::string& field : node.primaryKey) out += "<br/>" + MermaidText(field);
        }
        if (columns == GraphColumns::All) out += MermaidFields(node.fields);
        out += "\"]";
        if (node.selected) {
            selectedClass = node.alias ? "selectedAlias" : "selected";
            out += std::string(":::") + selectedClass;
        } else if (node.alias) {
            out += ":::alias";
        }
        out += '\n';
    }
    for (const GraphEdge& edge : graph.edges) {
        const std::string& from = graph.nodes[edge.from].id;
        const std::string& to = graph.nodes[edge.to].id;
        if (edge.aliasLink) {
            out += "  " + from + " -.- " + to + '\n';
            continue;
        }
        const std::string ends =
            std::string(edge.fromMany ? "n" : "1") + ":" + (edge.toMany ? "n" : "1");
        out += "  " + from + " -- \"" + ends;
        const std::string label = EdgeLabel(edge, columns, MermaidText, "<br/>");
        if (!label.empty()) out += " " + label;
        out += "\" --> " + to + '\n';
    }
    out += "  classDef alias stroke-dasharray: 5 5\n";
    if (selectedClass != nullptr) {
        out +=
            std::string("  classDef ") + selectedClass + " stroke-width:3px,fill:" + kSelectedFill;
        if (std::string_view(selectedClass) == "selectedAlias") out += ",stroke-dasharray: 5 5";
        out += '\n';
    }
    return out;
}

}  // namespace workflow
