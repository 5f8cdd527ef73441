// The whole report on small dictionaries: bands in order, page numbers,
// footers, progress, the alias index and the early ends.
#include "printing/core/dictionary_report.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "printing/core/sans_width.h"
#include "runtime/core/blanks.h"
#include "tests/printing/report_models.h"

namespace printing {
namespace {

using printing_test::AddPair;
using printing_test::Entry;
using printing_test::Field;
using printing_test::File;
using printing_test::Key;
using printing_test::Relation;

ReportSettings Settings() {
    ReportSettings settings;
    settings.dictionaryPath = "D.TXD";
    settings.printedAt = "today";
    settings.titleText = "TITLE";
    return settings;
}

PrintFlags Flags(bool title, bool summary) {
    PrintFlags flags;
    flags.PrintTitlePage = title;
    flags.PrintSummary = summary;
    return flags;
}

// Orders (key, fields, relation to Cust), Cust (fields), alias AShip of Cust.
dictionary::DictionaryModel SmallModel(const std::string& ordersLabel = "Orders",
                                       const std::string& custLabel = "Cust") {
    dictionary::DictionaryModel model;
    model.VERSION = "'4.0'";
    dictionary::FileQueue orders = File(ordersLabel, "ORD");
    dictionary::Ensure(orders.KEY).push_back(Key("KeyNo", {"No"}));
    dictionary::Ensure(orders.FIELD).push_back(Field("No", "LONG"));
    dictionary::Ensure(model.FILE).push_back(std::move(orders));
    dictionary::FileQueue cust = File(custLabel, "CUS");
    dictionary::Ensure(cust.FIELD).push_back(Field("Id", "LONG"));
    dictionary::Ensure(model.FILE).push_back(std::move(cust));
    dictionary::AliasQueue alias;
    alias.LABEL = "AShip";
    alias.PREFIX = "SHP";
    alias.FILE = custLabel;
    dictionary::Ensure(model.ALIAS).push_back(std::move(alias));
    dictionary::RelationQueue relation =
        Relation("1:MANY", custLabel, "CUS:K", ordersLabel, "ORD:K");
    AddPair(relation.LEFTFIELDS, "CUS:Id", "ORD:Cust");
    dictionary::Ensure(model.RELATION).push_back(std::move(relation));
    return model;
}

FilesToPrint AllEntries(const dictionary::DictionaryModel& model) {
    PrintFlags flags;
    FilesToPrint entries;
    FillFilesToPrint(model, flags, entries);
    return entries;
}

std::vector<std::string> AllLines(const std::vector<ReportPage>& pages) {
    std::vector<std::string> lines;
    for (const ReportPage& page : pages) {
        for (const std::string& line : page.text) lines.emplace_back(rt::TrimTrailingSpaces(line));
    }
    return lines;
}

TEST(DictionaryReportTest, WholeReportInBandOrder) {
    dictionary::DictionaryModel model = SmallModel();
    FilesToPrint entries = AllEntries(model);
    auto pages = BuildReport(model, entries, Flags(false, false), Settings());
    ASSERT_EQ(pages.size(), 1u);
    const std::string connector = " \x8B\x97\x9B ";
    EXPECT_EQ(
        AllLines(pages),
        (std::vector<std::string>{
            "Alias AShip  D.TXD",
            "",
            "Prefix: SHP",
            "File  : Cust",
            "File Cust  D.TXD",
            "",
            "Prefix: CUS",
            "Driver: SQLITE",
            "Alias : AShip",  // listed although the alias sorts before its file
            "",
            "FIELD  TYPE  PICTURE  VALID",
            "Id     LONG",
            "",
            "RELATED FILE     FILE" + connector + "RELATED KEY  RELATED FILE" + connector + "KEY",
            "\x8B\x97\xBB Orders       Cust" + connector + "ORD:K              Orders" + connector +
                "CUS:K",
            "               CUS:Id" + connector + "ORD:Cust",
            "File Orders  D.TXD",
            "",
            "Prefix: ORD",
            "Driver: SQLITE",
            "",
            "KEY      FIELDS  ATTRIBUTES",
            "K KeyNo  No",
            "",
            "FIELD  TYPE  PICTURE  VALID",
            "No     LONG",
            "",
            "RELATED FILE     FILE" + connector + "RELATED KEY  RELATED FILE" + connector + "KEY",
            "\xAB\x97\x9B Cust       Orders" + connector + "CUS:K                Cust" + connector +
                "ORD:K",
            std::string(45, ' ') + "CUS:Id" + connector + "ORD:Cust",
            "D.TXD - Orders  TITLE  Page 1",
        }));
}

TEST(DictionaryReportTest, TitlePageThenPageOneAgain) {
    dictionary::DictionaryModel model = SmallModel();
    FilesToPrint entries = AllEntries(model);
    auto pages = BuildReport(model, entries, Flags(true, true), Settings());
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0].text, (std::vector<std::string>{
                                 "Velmora Data Dictionary", "D.TXD", "Version : 4.0",
                                 "Created : ", "Modified: ", "Printed : today", "TITLE  Page 1"}));
    EXPECT_EQ(pages[1].number, 1);
    EXPECT_EQ(pages[1].text[0], "Files Summary  D.TXD");
    EXPECT_EQ(pages[1].text.back(), "D.TXD - Orders  TITLE  Page 1");
}

TEST(DictionaryReportTest, SummaryAloneIsComplete) {
    dictionary::DictionaryModel model = SmallModel();
    FilesToPrint entries = AllEntries(model);
    for (auto& entry : entries) entry.SELECTED = 0;
    std::vector<ReportPage> pages;
    DictionaryReport report(model, entries, Flags(false, true), Settings(),
                            [&](ReportPage&& page) { pages.push_back(std::move(page)); });
    ASSERT_TRUE(report.Start());
    EXPECT_TRUE(report.Complete());
    EXPECT_FALSE(report.Step());
    report.Finish();
    ASSERT_EQ(pages.size(), 1u);
    EXPECT_EQ(pages[0].text.size(), 5u);  // two heading lines, two files, the footer
}

TEST(DictionaryReportTest, NothingWithoutFiles) {
    dictionary::DictionaryModel empty;
    dictionary::DictionaryModel noRows;
    dictionary::Ensure(noRows.FILE);
    for (const dictionary::DictionaryModel* model : {&empty, &noRows}) {
        FilesToPrint entries;
        EXPECT_FALSE(RunReport(*model, entries, Flags(true, true), Settings(),
                               [](ReportPage&&) { ADD_FAILURE() << "a page was printed"; }));
    }
}

TEST(DictionaryReportTest, ProgressPerEntry) {
    dictionary::DictionaryModel model = SmallModel();
    FilesToPrint entries = AllEntries(model);
    std::vector<int> percents;
    BuildReport(model, entries, Flags(false, false), Settings(),
                [&](int percent) { percents.push_back(percent); });
    EXPECT_EQ(percents, (std::vector<int>{33, 66, 100}));
    const ProgressStatus status = ProgressStatusOf(3);
    EXPECT_EQ(status.bar, "Printing: |||");
    EXPECT_EQ(status.percent, "3% printed");
}

TEST(DictionaryReportTest, FooterAndDoubleStruckBands) {
    dictionary::DictionaryModel model = SmallModel();
    FilesToPrint entries = AllEntries(model);
    ReportSettings settings = Settings();
    auto pages = BuildReport(model, entries, Flags(false, false), settings);
    ASSERT_EQ(pages.size(), 1u);
    const auto& ops = pages[0].drawing.ops;
    auto textAt = [&](int x, int y) {
        return std::count_if(ops.begin(), ops.end(), [&](const rt::DrawOp& op) {
            return op.kind == rt::DrawKind::Text && op.x == x && op.y == y;
        });
    };
    // Footer: the path and the last entry's name padded to 40, the title and the page.
    const int footerTop = settings.metrics.footerTop;
    auto footer = std::find_if(ops.begin(), ops.end(), [&](const rt::DrawOp& op) {
        return op.kind == rt::DrawKind::Text && op.y == footerTop && op.x == 1000;
    });
    ASSERT_NE(footer, ops.end());
    EXPECT_EQ(footer->text, "D.TXD - Orders");
    EXPECT_EQ(textAt(1000 + 6188, footerTop), 1);
    EXPECT_EQ(textAt(1000, footerTop + 125), 1);
    // Every relation head row is struck twice, 5 units apart.
    const auto heads = std::count_if(ops.begin(), ops.end(), [](const rt::DrawOp& op) {
        return op.kind == rt::DrawKind::Text && op.x == 1005;
    });
    EXPECT_EQ(heads, 2);
    const auto headings = std::count_if(ops.begin(), ops.end(), [](const rt::DrawOp& op) {
        return op.kind == rt::DrawKind::Text && op.x == 1008;
    });
    EXPECT_EQ(headings, 5);  // fields, relations, keys, fields, relations
}

TEST(DictionaryReportTest, LongLabelsAreDrawnWhole) {
    const std::string a(40, 'A'), b(40, 'B');
    dictionary::DictionaryModel model = SmallModel(b, a);
    FilesToPrint entries = AllEntries(model);
    ReportSettings settings = Settings();
    settings.dictionaryPath = "/home/someone/" + std::string(60, 'p') + "/D.TXD";
    auto pages = BuildReport(model, entries, Flags(false, true), settings);
    ASSERT_FALSE(pages.empty());
    std::string drawn;
    for (const ReportPage& page : pages) {
        for (const rt::DrawOp& op : page.drawing.ops) {
            if (op.kind != rt::DrawKind::Text) continue;
            drawn += op.text + "\n";
            if (op.font.face == rt::FontFace::Mono) {
                EXPECT_LE(op.text.size(), 100u) << op.text;
            }
            // Text cut at a width is never cut inside a letter.
            if (op.width > 0) {
                EXPECT_TRUE(SansFits(op.text, op.font, op.width)) << op.text;
            }
        }
    }
    for (const std::string& text : {a, b}) EXPECT_NE(drawn.find(text), std::string::npos) << text;
    // The footer keeps the entry after its long path, the title under it.
    const rt::DrawOp* footerEnd = nullptr;
    const rt::DrawOp* title = nullptr;
    for (const rt::DrawOp& op : pages.back().drawing.ops) {
        if (op.kind != rt::DrawKind::Text || op.y < settings.metrics.footerTop) continue;
        if (op.text.ends_with("- " + b)) footerEnd = &op;
        if (op.text == "TITLE") title = &op;
    }
    ASSERT_NE(footerEnd, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_GT(footerEnd->y, settings.metrics.footerTop);  // wrapped onto a second line
    EXPECT_GT(title->y, footerEnd->y);
}

TEST(DictionaryReportTest, TextCarriesHeadingPathsAndWholeFooters) {
    dictionary::DictionaryModel model = SmallModel();
    FilesToPrint entries = AllEntries(model);
    const std::string text =
        ReportText(BuildReport(model, entries, Flags(false, true), Settings()));
    const std::string lines[] = {
        "Files Summary  D.TXD\n",
        "Alias AShip  D.TXD\n",
        "File Cust  D.TXD\n",
        "File Orders  D.TXD\n",
        "D.TXD - Orders  TITLE  Page 1\n\f\n",
    };
    std::size_t at = 0;
    for (const std::string& line : lines) {
        const std::size_t found = text.find(line, at);
        ASSERT_NE(found, std::string::npos) << line << " after " << at << " in\n" << text;
        at = found + line.size();
    }
}

}  // namespace
}  // namespace printing
