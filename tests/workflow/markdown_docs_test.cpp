#include "workflow/markdown_docs.h"

#include <gtest/gtest.h>

#include "tests/workflow/workflow_models.h"
#include "workflow/page_names.h"

namespace {

using namespace workflow_test;

std::string PageOf(const std::vector<workflow::DocsFile>& files, const std::string& path) {
    for (const workflow::DocsFile& file : files) {
        if (file.path == path) return file.content;
    }
    ADD_FAILURE() << "no page " << path;
    return {};
}

bool Holds(const std::string& page, const std::string& text) {
    return page.find(text) != std::string::npos;
}

TEST(MarkdownDocs, PagesCarryEachPartAndLinkTheOtherFiles) {
    const std::string customer =
        Replaced(Replaced(kCustomerFile, "Name                     STRING(30)\n",
                          "Name                     STRING(30)\n"
                          "Address                  GROUP,PRE()\n"
                          "Street                     STRING(20),DIM(2)\n"
                          "!!> IDENT(9),PICTURE(@s20),VALID(INLIST('a|b'))\n"
                          "                         END\n"),
                 "KeyName                KEY(CUS:Name)",
                 "!!> IDENT(2)\n[LONGDESC]\n!By *name*.\nKeyName                KEY(-CUS:Name)");
    auto parsed = ParseExport(
        "[DICTIONARY]\nVERSION '2.1'\nCREATED '1 JAN 2020' ' 9:00:00AM'\n"
        "[DESCRIPTION]\n!Orders | customers.\n!- not a list\n[FILES]\n" +
        customer + kOrdersFile + "\n[ALIASES]\n" + kAliases + "\n[RELATIONS]\n" + kRelation);
    const auto files = workflow::MarkdownDocumentation(parsed->model, workflow::DocsDiagram::Svg);
    ASSERT_EQ(files.size(), 6u);  // README, two pages, three drawings
    EXPECT_TRUE(files[3].drawn);

    const std::string readme = PageOf(files, "README.md");
    EXPECT_TRUE(readme.starts_with(workflow::kGeneratedMark));
    EXPECT_TRUE(Holds(readme, "| Version | 2.1 |\n| Created | 1 JAN 2020 9:00:00AM |"));
    EXPECT_TRUE(Holds(readme, "Orders \\| customers.\\\n\\- not a list\n"));
    EXPECT_TRUE(Holds(readme, "| [Customer](files/customer.md) | CUS | SQLITE |  | 4 | 2 |  |"));
    EXPECT_TRUE(Holds(readme, "| ShipTo | [Customer](files/customer.md) | SHP |"));
    EXPECT_TRUE(Holds(readme,
                      "| [Customer](files/customer.md) | KeyCustNo | 1:MANY | "
                      "[Orders](files/orders.md) | KeyCust |"));
    EXPECT_TRUE(Holds(readme, "![Files and relations of the dictionary](dictionary.svg)"));

    const std::string page = PageOf(files, "files/customer.md");
    EXPECT_TRUE(Holds(page, "| CUS | SQLITE |  | CREATE |"));
    EXPECT_TRUE(Holds(page, "| &emsp;Street | STRING(20) | 2 | @s20 | INLIST('a\\|b') |  |"));
    EXPECT_TRUE(
        Holds(page, "| KeyName | KEY | Name (descending) | DUP, NOCASE |  | By \\*name\\*. |"));
    EXPECT_TRUE(Holds(page,
                      "| [Orders](orders.md) | one to many | KeyCustNo | KeyCust | "
                      "CUS:CustNo = ORD:CustNo |"));
    EXPECT_TRUE(Holds(page, "| ShipTo | SHP |"));
    EXPECT_TRUE(Holds(page, "![Files one relation from Customer](customer.svg)"));
    EXPECT_TRUE(
        Holds(PageOf(files, "files/orders.md"), "| [Customer](customer.md) | many to one |"));
}

TEST(MarkdownDocs, ADictionaryWithoutFilesSaysSoAndMermaidDiagramsAreInline) {
    auto empty = ParseExport("[DICTIONARY]\nVERSION '1'\n[FILES]\n");
    const auto nothing =
        workflow::MarkdownDocumentation(empty->model, workflow::DocsDiagram::Mermaid);
    ASSERT_EQ(nothing.size(), 1u);
    EXPECT_TRUE(Holds(nothing[0].content, "The dictionary has no files."));
    EXPECT_FALSE(Holds(nothing[0].content, "## Diagram"));

    auto sound = ParseExport(SoundExport());
    const auto files =
        workflow::MarkdownDocumentation(sound->model, workflow::DocsDiagram::Mermaid);
    ASSERT_EQ(files.size(), 3u);
    EXPECT_TRUE(Holds(files[1].content, "## Diagram\n\n```mermaid\nflowchart LR\n"));
    EXPECT_TRUE(files[1].content.ends_with("```\n"));
    for (const workflow::DocsFile& file :
         workflow::MarkdownDocumentation(sound->model, workflow::DocsDiagram::None))
        EXPECT_FALSE(Holds(file.content, "## Diagram")) << file.path;
}

TEST(MarkdownDocs, TheIndexNamesTheExportByItsFileNameWhereverItWasReadFrom) {
    // A comment after the files' header lands in the description after the path.
    const std::string text = "[DICTIONARY]\nVERSION '1'\n[DESCRIPTION]\n!Orders\n[FILES]\n!later\n";
    for (const char* typed : {"A.TXD", "../x/A.TXD", "/tmp/deep/A.TXD", "C:\\DATA\\A.TXD"}) {
        dictionary::DictionaryModel model;
        dictionary::ParseAll(model, text, typed);
        const std::string readme =
            workflow::MarkdownDocumentation(model, workflow::DocsDiagram::None)[0].content;
        EXPECT_TRUE(Holds(readme,
                          "# Dictionary A.TXD\n\n| Dictionary |  |\n|---|---|\n"
                          "| Export | A.TXD |\n"))
            << typed << "\n"
            << readme;
        EXPECT_TRUE(Holds(readme, "Orders\\\nlater\n")) << typed << "\n" << readme;
    }
}

TEST(MarkdownDocs, PageNamesStayShortAvoidDevicesAndKeepOrdinaryLabelsAsTheyWere) {
    const std::string bars(120, '|');
    struct Case {
        std::string label;
        std::string page;
    };
    const Case cases[] = {
        {"Customer", "customer"},
        {"Order_Line-2", "order_line-2"},
        {"Caf\xE9", "caf_e9"},
        {"CON", "con-file"},
        {"nul", "nul-file"},
        {"Aux.Txt", "aux_2etxt-file"},
        {"com9", "com9-file"},
        {"LPT1", "lpt1-file"},
        {"COM10", "com10"},
        {"Console", "console"},
        {std::string(64, 'a'), std::string(64, 'a')},
        {std::string(65, 'a'), std::string(55, 'a') + "-2dd603ec"},
        // Cut between whole escapes: 18 of them, then the digits.
        {bars,
         [] {
             std::string page;
             for (int i = 0; i < 18; ++i) page += "_7c";
             return page + "-3c23f3cd";
         }()},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(workflow::PageName(c.label), c.page) << c.label;
        EXPECT_LE(workflow::PageName(c.label).size(), workflow::kMaxPageName) << c.label;
    }

    // Unique whatever the labels: case, a shared long start, a device's page
    // name taken by a label of its own.
    const std::string longer = std::string(70, 'x');
    std::string files;
    for (const std::string& label : std::vector<std::string>{
             "Customer", "CUSTOMER", "customer", longer + "1", longer + "2", "Con", "con-file"})
        files += label + " FILE,PRE(A)\nRecord RECORD\nX LONG\n END\n END\n";
    auto parsed = ParseExport(Export(files, "", ""));
    const std::vector<std::string> pages = workflow::PageNames(parsed->model);
    ASSERT_EQ(pages.size(), 7u);
    EXPECT_EQ(std::vector<std::string>(pages.begin(), pages.begin() + 3),
              (std::vector<std::string>{"customer", "customer-2", "customer-3"}));
    EXPECT_NE(pages[3], pages[4]);
    EXPECT_EQ(pages[5], "con-file");
    EXPECT_EQ(pages[6], "con-file-2");
}

TEST(MarkdownDocs, TheMarkIsFoundOnlyWhereDocsPutsItAndDrawingsCarryNoGraphvizVersion) {
    const std::string mark(workflow::kGeneratedMark);
    const std::string declaration = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    struct Case {
        std::string head;
        bool marked;
    };
    const Case cases[] = {
        {mark + "\n\n# Dictionary", true},
        {declaration + mark + "\n<svg>", true},
        {declaration + mark + "\r\n<svg>", true},
        {"# My project\n", false},
        {"# My project\n" + mark + "\n", false},
        {declaration + "<!DOCTYPE svg>\n" + mark + "\n", false},
        {"", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(workflow::CarriesGeneratedMark(c.head), c.marked) << c.head;

    const std::string drawn = workflow::MarkedDrawing(
        declaration +
        "<!DOCTYPE svg>\n<!-- Generated by graphviz version 2.43.0 (0)\n -->\n"
        "<!-- Title: G Pages: 1 -->\n<svg><text>&lt;!-- Generated by graphviz "
        "version&gt;</text></svg>\n");
    EXPECT_EQ(drawn, declaration + mark +
                         "\n<!DOCTYPE svg>\n<!-- Title: G Pages: 1 -->\n<svg><text>&lt;!-- "
                         "Generated by graphviz version&gt;</text></svg>\n");
    EXPECT_TRUE(workflow::CarriesGeneratedMark(drawn));
}

}  // namespace
