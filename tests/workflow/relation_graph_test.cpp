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

// Customer with a memo, a blob and nested groups, related to Orders by two
// field pairs and a NOLINK one; ShipTo an alias of Customer.
std::string ColumnsExport() {
    const std::string customer =
        "Customer FILE,PRE(CUS)\n"
        "KeyCustNo KEY(CUS:CustNo),PRIMARY\n"
        "Notes MEMO(2000)\n"
        "Photo BLOB\n"
        "Record RECORD\n"
        "CustNo LONG\n"
        "Address GROUP\n"
        "Street STRING(30),DIM(2)\n"
        "Where GROUP\n"
        "Zip STRING(5)\n"
        " END\n"
        " END\n"
        "Name STRING(30)\n"
        " END\n"
        " END\n";
    const std::string relation =
        " RELATION,1:MANY\n"
        "Customer FILE(CUS:KeyCustNo)\n"
        "Orders RELATED_FILE(ORD:KeyCust)\n"
        " FILE_TO_RELATED_KEY\n"
        " FIELD(CUS:CustNo,ORD:CustNo)\n"
        " FIELD(NOLINK,ORD:OrderNo)\n"
        " FIELD(CUS:Name,ORD:Name)\n"
        " END\n"
        " END\n";
    return Export(customer + kOrdersFile, kAliases, relation);
}

TEST(RelationGraph, BoxesShowTheFieldsTheColumnsAskFor) {
    auto parsed = ParseExport(ColumnsExport());
    const dictionary::RelationIndex index(parsed->model);
    const workflow::GraphSource source(parsed->model, index);
    const auto graph = source.Around("Customer", 1);
    ASSERT_TRUE(graph.has_value());
    using workflow::GraphColumns;
    struct Case {
        GraphColumns columns;
        bool mermaid;
        std::vector<std::string> present;
        std::vector<std::string> absent;
    };
    const std::string customerAll =
        "f0 [label=\"Customer|CUS|{Notes\\lPhoto\\lCustNo\\lAddress\\l\\ \\ \\ \\ Street\\l"
        "\\ \\ \\ \\ Where\\l\\ \\ \\ \\ \\ \\ \\ \\ Zip\\lName\\l|MEMO(2000)\\lBLOB\\lLONG\\l"
        "GROUP\\lSTRING(30),DIM(2)\\lGROUP\\lSTRING(5)\\lSTRING(30)\\l}\", style=filled, "
        "penwidth=2, fillcolor=\"#fff0b3\"];";
    const std::string nbsp4 = "#160;#160;#160;#160;";
    const Case cases[] = {
        {GraphColumns::Keys,
         false,
         {"f0 [label=\"Customer|CUS|CustNo\\l\", style=filled, penwidth=2",
          "f1 [label=\"Orders|ORD|OrderNo\\l\"];", "a0 [label=\"ShipTo|SHP\", style=dashed];",
          "label=\"KeyCustNo : KeyCust\"];"},
         {"LONG", "CustNo = CustNo"}},
        {GraphColumns::None,
         false,
         {"f0 [label=\"Customer|CUS\", style=filled, penwidth=2", "f1 [label=\"Orders|ORD\"];",
          "label=\"KeyCustNo : KeyCust\"];"},
         {"OrderNo\\l", "CustNo = CustNo"}},
        {GraphColumns::All,
         false,
         {customerAll, "f1 [label=\"Orders|ORD|{OrderNo\\lCustNo\\l|LONG\\lLONG\\l}\"];",
          "a0 [label=\"ShipTo|SHP\", style=dashed];",
          "label=\"KeyCustNo : KeyCust\\nCustNo = CustNo\\nName = Name\"];"},
         {"END", "NOLINK", "OrderNo = ", "more"}},
        {GraphColumns::Keys,
         true,
         {"f0[\"<b>Customer</b><br/>CUS<br/>CustNo\"]:::selected\n",
          "f1[\"<b>Orders</b><br/>ORD<br/>OrderNo\"]\n", "a0[\"<b>ShipTo</b><br/>SHP\"]:::alias\n",
          "\"1:n KeyCustNo : KeyCust\" --> f1",
          "classDef selected stroke-width:3px,fill:#fff0b3\n"},
         {"LONG", "CustNo = CustNo"}},
        {GraphColumns::None,
         true,
         {"f0[\"<b>Customer</b><br/>CUS\"]:::selected\n", "f1[\"<b>Orders</b><br/>ORD\"]\n"},
         {"OrderNo", "CustNo = CustNo"}},
        {GraphColumns::All,
         true,
         {"f0[\"<b>Customer</b><br/>CUS<br/>Notes <i>MEMO(2000)</i><br/>Photo <i>BLOB</i>"
          "<br/>CustNo <i>LONG</i><br/>Address <i>GROUP</i><br/>" +
              nbsp4 + "Street <i>STRING(30),DIM(2)</i><br/>" + nbsp4 + "Where <i>GROUP</i><br/>" +
              nbsp4 + nbsp4 + "Zip <i>STRING(5)</i><br/>Name <i>STRING(30)</i>\"]:::selected\n",
          "\"1:n KeyCustNo : KeyCust<br/>CustNo = CustNo<br/>Name = Name\" --> f1"},
         {"END", "NOLINK", "more"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(static_cast<int>(c.columns)) +
                     (c.mermaid ? " mermaid" : " dot"));
        const std::string text = c.mermaid ? workflow::GraphMermaid(*graph, c.columns)
                                           : workflow::GraphDot(*graph, c.columns);
        for (const std::string& part : c.present)
            EXPECT_NE(text.find(part), std::string::npos) << part << "\nin\n" << text;
        for (const std::string& part : c.absent)
            EXPECT_EQ(text.find(part), std::string::npos) << part << "\nin\n" << text;
        // Only the selected file is highlighted.
        const std::string mark = c.mermaid ? ":::selected" : "penwidth";
        EXPECT_NE(text.find(mark), std::string::npos);
        EXPECT_EQ(text.find(mark), text.rfind(mark));
    }
}

TEST(RelationGraph, LongBoxesAndEdgesAreCutWithACount) {
    struct Case {
        std::size_t fields;
        std::size_t pairs;
        const char* lastField;  // the last field line drawn
        const char* more;       // the line after it, or "" for none
        const char* lastPair;   // the end of the edge label
    };
    const Case cases[] = {
        {30, 3, "F29 <i>LONG</i>\"]", "", "F2 = G2\"];"},
        {31, 4, "F29 <i>LONG</i><br/>... and 1 more\"]", "|... and 1 more\\l\"",
         "F2 = G2\\n\xE2\x80\xA6\"];"},
        {45, 9, "F29 <i>LONG</i><br/>... and 15 more\"]", "|... and 15 more\\l\"",
         "F2 = G2\\n\xE2\x80\xA6\"];"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.fields);
        std::string wide = "Wide FILE,PRE(W)\nK KEY(W:F0),PRIMARY\nRecord RECORD\n";
        for (std::size_t i = 0; i < c.fields; ++i) wide += "F" + std::to_string(i) + " LONG\n";
        wide += " END\n END\n";
        std::string relation =
            " RELATION,MANY:1\nOther FILE(O:K)\nWide RELATED_FILE(W:K)\n FILE_TO_RELATED_KEY\n";
        for (std::size_t i = 0; i < c.pairs; ++i)
            relation += " FIELD(O:G" + std::to_string(i) + ",W:F" + std::to_string(i) + ")\n";
        relation += " END\n END\n";
        auto parsed = ParseExport(
            Export(wide + "Other FILE,PRE(O)\nK KEY(O:G0)\nRecord RECORD\nG0 LONG\n END\n END\n",
                   "", relation));
        const dictionary::RelationIndex index(parsed->model);
        const auto graph = workflow::GraphSource(parsed->model, index).Whole();
        const std::string mermaid = workflow::GraphMermaid(graph, workflow::GraphColumns::All);
        const std::string dot = workflow::GraphDot(graph, workflow::GraphColumns::All);
        EXPECT_NE(mermaid.find(c.lastField), std::string::npos) << mermaid;
        EXPECT_EQ(mermaid.find("F30 "), std::string::npos);
        EXPECT_EQ(dot.find("F30\\l"), std::string::npos);
        if (std::string(c.more).empty())
            EXPECT_EQ(dot.find("more"), std::string::npos) << dot;
        else
            EXPECT_NE(dot.find(c.more), std::string::npos) << dot;
        // The "many" side is Other: the pairs read Wide's field first.
        EXPECT_NE(dot.find(std::string("F0 = G0\\nF1 = G1\\n") + c.lastPair), std::string::npos)
            << dot;
    }
}

TEST(RelationGraph, ASelectedAliasKeepsItsDashesAndAWholeGraphHasNoSelection) {
    auto parsed = ParseExport(ColumnsExport());
    const dictionary::RelationIndex index(parsed->model);
    const workflow::GraphSource source(parsed->model, index);
    const auto graph = source.Around("ShipTo", 0);
    ASSERT_TRUE(graph.has_value());
    EXPECT_NE(workflow::GraphDot(*graph).find(
                  "a0 [label=\"ShipTo|SHP\", style=\"dashed,filled\", penwidth=2"),
              std::string::npos);
    const std::string mermaid = workflow::GraphMermaid(*graph);
    EXPECT_NE(mermaid.find("a0[\"<b>ShipTo</b><br/>SHP\"]:::selectedAlias\n"), std::string::npos);
    EXPECT_NE(mermaid.find(
                  "classDef selectedAlias stroke-width:3px,fill:#fff0b3,stroke-dasharray: 5 5\n"),
              std::string::npos)
        << mermaid;
    EXPECT_EQ(mermaid.find(":::selected\n"), std::string::npos);
    const workflow::RelationGraph whole = source.Whole();
    for (const workflow::GraphNode& node : whole.nodes) EXPECT_FALSE(node.selected) << node.label;
    EXPECT_EQ(workflow::GraphMermaid(whole).find("selected"), std::string::npos);
}

}  // namespace
