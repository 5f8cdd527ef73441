#include "workflow/graph_text.h"

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

}  // namespace

std::string GraphDot(const RelationGraph& graph) {
    std::string out =
        "digraph dictionary {\n"
        "  graph [rankdir=LR, fontname=\"Helvetica\", fontsize=10, nodesep=0.3, ranksep=0.8];\n"
        "  node [shape=record, fontname=\"Helvetica\", fontsize=10];\n"
        "  edge [fontname=\"Helvetica\", fontsize=9, dir=both];\n";
    for (const GraphNode& node : graph.nodes) {
        // Left to right, a record's fields stack top to bottom.
        out += "  " + node.id + " [label=\"" + RecordText(node.label);
        if (!node.prefix.empty()) out += "|" + RecordText(node.prefix);
        if (!node.primaryKey.empty()) {
            out += "|";
            for (const std::string& field : node.primaryKey) out += RecordText(field) + "\\l";
        }
        out += "\"";
        if (node.alias) out += ", style=dashed";
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
        if (!edge.label.empty()) out += ", label=\"" + QuotedText(edge.label) + "\"";
        out += "];\n";
    }
    out += "}\n";
    return out;
}

std::string GraphMermaid(const RelationGraph& graph) {
    std::string out = "flowchart LR\n";
    for (const GraphNode& node : graph.nodes) {
        out += "  " + node.id + "[\"<b>" + MermaidText(node.label) + "</b>";
        if (!node.prefix.empty()) out += "<br/>" + MermaidText(node.prefix);
        for (const std::string& field : node.primaryKey) out += "<br/>" + MermaidText(field);
        out += "\"]";
        if (node.alias) out += ":::alias";
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
        if (!edge.label.empty()) out += " " + MermaidText(edge.label);
        out += "\" --> " + to + '\n';
    }
    out += "  classDef alias stroke-dasharray: 5 5\n";
    return out;
}

}  // namespace workflow
