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
    graph.nodes.push_back({"f0", "A{b}|<c> \"d\" \\e #1 caf\xE9", "P", {"X"}, false, {}});
    graph.nodes.push_back({"a0", "Al", "", {}, true, {}});
    graph.edges.push_back({1, 0, true, false, false, {}, {}});
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
        graph.nodes.push_back({"f0", c.in, c.in, {c.in, c.in}, false, {}});
        graph.nodes.push_back({"a0", c.in, "", {}, true, {}});
        graph.edges.push_back({0, 1, false, false, true, c.in, {}});
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

// Customer (a memo, a blob, nested groups) related to Orders by two field
// pairs and a NOLINK one; ShipTo an alias of Customer. The graph around
// `label`, or the whole one for "".
workflow::RelationGraph ColumnsGraph(std::string_view label, std::size_t distance) {
    auto parsed = ParseExport(Export(
        "Customer FILE,PRE(CUS)\nKeyCustNo KEY(CUS:CustNo),PRIMARY\nNotes MEMO(2000)\nPhoto BLOB\n"
        "Record RECORD\nCustNo LONG\nAddress GROUP\nStreet STRING(30),DIM(2)\nWhere GROUP\n"
        "Zip STRING(5)\n END\n END\nName STRING(30)\n END\n END\n" +
            std::string(kOrdersFile),
        kAliases,
        " RELATION,1:MANY\nCustomer FILE(CUS:KeyCustNo)\nOrders RELATED_FILE(ORD:KeyCust)\n"
        " FILE_TO_RELATED_KEY\n FIELD(CUS:CustNo,ORD:CustNo)\n FIELD(NOLINK,ORD:OrderNo)\n"
        " FIELD(CUS:Name,ORD:Name)\n END\n END\n"));
    const dictionary::RelationIndex index(parsed->model);
    const workflow::GraphSource source(parsed->model, index);
    if (label.empty()) return source.Whole();
    return source.Around(label, distance).value_or(workflow::RelationGraph{});
}

TEST(RelationGraph, BoxesShowTheFieldsTheColumnsAskForAndOnlyTheSelectedFileStandsOut) {
    using workflow::GraphColumns;
    const std::string in = "\\ \\ \\ \\ ";  // a GROUP level in a record
    const std::string nb = "#160;#160;#160;#160;";
    const struct {
        GraphColumns columns;
        bool mermaid;
        std::string box;   // Customer's, the selected one
        std::string edge;  // the end of the relation's label
    } cases[] = {
        {GraphColumns::Keys, false,
         "f0 [label=\"Customer|CUS|CustNo\\l\", style=filled, penwidth=2", " : KeyCust\"];"},
        {GraphColumns::None, false, "f0 [label=\"Customer|CUS\", style=filled", " : KeyCust\"];"},
        {GraphColumns::All, false,
         "f0 [label=\"Customer|CUS|{Notes\\lPhoto\\lCustNo\\lAddress\\l" + in + "Street\\l" + in +
             "Where\\l" + in + in +
             "Zip\\lName\\l|MEMO(2000)\\lBLOB\\lLONG\\lGROUP\\l"
             "STRING(30),DIM(2)\\lGROUP\\lSTRING(5)\\lSTRING(30)\\l}\", style=filled",
         " : KeyCust\\nCustNo = CustNo\\nName = Name\"];"},
        {GraphColumns::Keys, true, "f0[\"<b>Customer</b><br/>CUS<br/>CustNo\"]:::selected\n",
         " : KeyCust\" --> f1"},
        {GraphColumns::None, true, "f0[\"<b>Customer</b><br/>CUS\"]:::selected\n",
         " : KeyCust\" --> f1"},
        {GraphColumns::All, true,
         "f0[\"<b>Customer</b><br/>CUS<br/>Notes <i>MEMO(2000)</i><br/>Photo <i>BLOB</i><br/>"
         "CustNo <i>LONG</i><br/>Address <i>GROUP</i><br/>" +
             nb + "Street <i>STRING(30),DIM(2)</i><br/>" + nb + "Where <i>GROUP</i><br/>" + nb +
             nb + "Zip <i>STRING(5)</i><br/>Name <i>STRING(30)</i>\"]:::selected\n",
         " : KeyCust<br/>CustNo = CustNo<br/>Name = Name\" --> f1"},
    };
    const workflow::RelationGraph graph = ColumnsGraph("Customer", 1);
    for (const auto& c : cases) {
        const std::string text = c.mermaid ? workflow::GraphMermaid(graph, c.columns)
                                           : workflow::GraphDot(graph, c.columns);
        EXPECT_NE(text.find(c.box), std::string::npos) << c.box << "\nin\n" << text;
        EXPECT_NE(text.find(c.edge), std::string::npos) << c.edge << "\nin\n" << text;
        const std::string mark = c.mermaid ? ":::selected" : "penwidth";
        EXPECT_EQ(text.find(mark), text.rfind(mark)) << text;
    }
    const workflow::RelationGraph alias = ColumnsGraph("ShipTo", 0);
    EXPECT_NE(workflow::GraphDot(alias).find("a0 [label=\"ShipTo|SHP\", style=\"dashed,filled\""),
              std::string::npos);
    EXPECT_NE(workflow::GraphMermaid(alias).find("classDef selectedAlias stroke-width:3px,fill:"
                                                 "#fff0b3,stroke-dasharray: 5 5\n"),
              std::string::npos);
    EXPECT_EQ(workflow::GraphMermaid(ColumnsGraph("", 0)).find("selected"), std::string::npos);
}

TEST(RelationGraph, BoxesStopAtThirtyFieldsAndEdgesAtThreePairs) {
    for (const bool over : {false, true}) {
        std::string wide = "Wide FILE,PRE(W)\nK KEY(W:F0),PRIMARY\nRecord RECORD\n";
        std::string relation =
            " RELATION,MANY:1\nOther FILE(O:K)\nWide RELATED_FILE(W:K)\n"
            " FILE_TO_RELATED_KEY\n";
        for (int i = 0; i < (over ? 31 : 30); ++i) wide += "F" + std::to_string(i) + " LONG\n";
        for (int i = 0; i < (over ? 4 : 3); ++i)
            relation += " FIELD(O:G" + std::to_string(i) + ",W:F" + std::to_string(i) + ")\n";
        auto parsed = ParseExport(
            Export(wide + " END\n END\nOther FILE,PRE(O)\n", "", relation + " END\n END\n"));
        const dictionary::RelationIndex index(parsed->model);
        const auto graph = workflow::GraphSource(parsed->model, index).Whole();
        const std::string mermaid = workflow::GraphMermaid(graph, workflow::GraphColumns::All);
        const std::string dot = workflow::GraphDot(graph, workflow::GraphColumns::All);
        EXPECT_NE(
            mermaid.find(over ? "F29 <i>LONG</i><br/>... and 1 more\"]" : "F29 <i>LONG</i>\"]"),
            std::string::npos)
            << mermaid;
        EXPECT_EQ(dot.find("|... and 1 more\\l\"") != std::string::npos, over) << dot;
        // Other is the "many" side: the pairs name Wide's field first.
        EXPECT_NE(dot.find(over ? "F1 = G1\\nF2 = G2\\n\xE2\x80\xA6\"" : "F1 = G1\\nF2 = G2\""),
                  std::string::npos)
            << dot;
    }
}

}  // namespace
