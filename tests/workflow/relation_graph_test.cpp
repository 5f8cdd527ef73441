#include "workflow/relation_graph.h"

#include <gtest/gtest.h>

#include "tests/workflow/workflow_models.h"
#include "workflow/graph_text.h"

namespace {

using namespace workflow_test;

// A chain A - B - C - D of one-to-many relations, an alias AA of A, and a
// file E related to nothing.
std::string ChainExport() {
    std::string files;
    for (const char* label : {"A", "B", "C", "D", "E"}) {
        files += std::string(label) + " FILE,PRE(" + label + ")\nK" + label + " KEY(" + label +
                 ":X),PRIMARY\nRecord RECORD\nX LONG\n END\n END\n";
    }
    std::string relations;
    for (const char* pair : {"AB", "BC", "CD"}) {
        const std::string one(1, pair[0]), many(1, pair[1]);
        relations += " RELATION,1:MANY\n" + one + " FILE(" + one + ":K" + one + ")\n" + many +
                     " RELATED_FILE(" + many + ":K" + many + ")\n END\n";
    }
    return Export(files, "AA ALIAS(A),PRE(AA)\n", relations);
}

std::string Labels(const workflow::RelationGraph& graph) {
    std::string labels;
    for (const workflow::GraphNode& node : graph.nodes) labels += node.label + " ";
    return labels;
}

TEST(RelationGraph, NeighbourhoodsReachAsFarAsTheDistanceAndAliasesComeWithTheirFile) {
    auto parsed = ParseExport(ChainExport());
    const dictionary::RelationIndex index(parsed->model);
    const workflow::GraphSource source(parsed->model, index);
    struct Case {
        const char* label;
        std::size_t distance;
        const char* nodes;
        std::size_t edges;  // relations and alias links
    };
    const Case cases[] = {
        {"B", 0, "B ", 0},       {"B", 1, "A B C AA ", 3},   {"B", 2, "A B C D AA ", 4},
        {"AA", 1, "A B AA ", 2}, {"D", 9, "A B C D AA ", 4}, {"E", 3, "E ", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.label) + " " + std::to_string(c.distance));
        const auto graph = source.Around(c.label, c.distance);
        ASSERT_TRUE(graph.has_value());
        EXPECT_EQ(Labels(*graph), c.nodes);
        EXPECT_EQ(graph->edges.size(), c.edges);
    }
    EXPECT_FALSE(source.Around("Nowhere", 1).has_value());
    EXPECT_FALSE(source.Around("a", 1).has_value());  // labels compare exactly: "a" is no "A"
    EXPECT_EQ(Labels(source.Whole()), "A B C D E AA ");
}

TEST(RelationGraph, TextFormatsEscapeWhatTheirSyntaxReserves) {
    auto parsed = ParseExport(
        Export("Odd FILE,PRE(O)\nK KEY(O:X),PRIMARY\nRecord RECORD\nX LONG\n END\n END\n", "", ""));
    workflow::RelationGraph graph;
    graph.nodes.push_back({"f0", "A{b}|<c> \"d\" \\e #1 caf\xE9", "P", {"X"}, false});
    graph.nodes.push_back({"a0", "Al", "", {}, true});
    graph.edges.push_back({1, 0, true, false, false, {}});
    const std::string dot = workflow::GraphDot(graph);
    EXPECT_NE(dot.find("f0 [label=\"A\\{b\\}\\|\\<c\\> \\\"d\\\" \\\\e #1 caf\xC3\xA9|P|X\\l\"];"),
              std::string::npos)
        << dot;
    EXPECT_NE(dot.find("a0 [label=\"Al\", style=dashed];"), std::string::npos);
    EXPECT_NE(dot.find("a0 -> f0 [style=dashed, dir=none];"), std::string::npos);
    const std::string mermaid = workflow::GraphMermaid(graph);
    EXPECT_NE(mermaid.find(
                  "f0[\"<b>A{b}|#lt;c#gt; #quot;d#quot; \\e #35;1 caf\xC3\xA9</b><br/>P<br/>X\"]"),
              std::string::npos)
        << mermaid;
    EXPECT_NE(mermaid.find("a0 -.- f0"), std::string::npos);
}

TEST(RelationGraph, MermaidTextStaysInsideItsQuotedLabel) {
    struct Case {
        std::string in;
        std::string label;  // as each quoted label shows it
    };
    const Case cases[] = {
        {"%%{init:{'theme':'dark'}}%%", "#37;#37;{init:{'theme':'dark'}}#37;#37;"},
        {"a\"]; click f0 call x()", "a#quot;#93;; click f0 call x()"},
        {"x\r\nstyle f0 fill:#f00\tend", "x^M^Jstyle f0 fill:#35;f00#9;end"},
        {"A-->B ::: c", "A--#gt;B ::: c"},
        {"A{b}|<c> \"d\" \\e #1 caf\xE9", "A{b}|#lt;c#gt; #quot;d#quot; \\e #35;1 caf\xC3\xA9"},
        {"K%\x01 bell\x07 `md` &amp; [x]", "K#37;^A bell^G #96;md#96; #amp;amp; #91;x#93;"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.in);
        workflow::RelationGraph graph;
        graph.nodes.push_back({"f0", c.in, c.in, {c.in, c.in}, false});
        graph.nodes.push_back({"a0", c.in, "", {}, true});
        graph.edges.push_back({0, 1, false, false, true, c.in});
        const std::string& l = c.label;
        EXPECT_EQ(workflow::GraphMermaid(graph),
                  "flowchart LR\n"
                  "  f0[\"<b>" +
                      l + "</b><br/>" + l + "<br/>" + l + "<br/>" + l + "\"]\n" + "  a0[\"<b>" + l +
                      "</b>\"]:::alias\n" + "  f0 -- \"1:n " + l + "\" --> a0\n" +
                      "  classDef alias stroke-dasharray: 5 5\n");
        EXPECT_EQ(l.find_first_of("\"%]>\r\n\t"), std::string::npos);
    }
}

}  // namespace
