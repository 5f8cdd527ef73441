// The print options' rules and the printer's name tables.
#include "printing/core/print_options.h"

#include <gtest/gtest.h>

#include "printing/core/printer_info.h"
#include "tests/printing/report_models.h"

namespace printing {
namespace {

using printing_test::File;
using printing_test::Key;

struct Shape {
    bool keys, aliases, relations;
};

dictionary::DictionaryModel ModelOf(Shape shape) {
    dictionary::DictionaryModel model;
    dictionary::FileQueue zed = File("Zed");
    if (shape.keys) dictionary::Ensure(zed.KEY).push_back(Key("K", {"X"}));
    dictionary::Ensure(model.FILE).push_back(std::move(zed));
    dictionary::Ensure(model.FILE).push_back(File("Alpha"));
    if (shape.aliases) {
        dictionary::AliasQueue alias;
        alias.LABEL = "Mid";
        alias.FILE = "Zed";
        dictionary::Ensure(model.ALIAS).push_back(std::move(alias));
    }
    if (shape.relations) dictionary::Ensure(model.RELATION);  // present, even empty
    return model;
}

std::string Listed(const FilesToPrint& rows) {
    std::string out;
    for (const auto& row : rows) {
        out += row.TYPE;
        out += std::string(row.NAME.Trimmed()) + std::to_string(row.REF) +
               (row.SELECTED ? "+ " : "- ");
    }
    return out;
}

TEST(PrintOptionsTest, FillingClearsFlagsOfMissingSections) {
    struct Case {
        Shape shape;
        bool aliasesBefore;
        std::string listed;
        bool keys, aliases, relations;
    };
    const Case cases[] = {
        {{true, true, true}, true, "FAlpha2+ AMid1+ FZed1+ ", true, true, true},
        {{true, true, true}, false, "FAlpha2+ AMid1- FZed1+ ", true, false, true},
        {{false, true, true}, true, "FAlpha2+ AMid1+ FZed1+ ", false, true, true},
        {{true, false, true}, true, "FAlpha2+ FZed1+ ", true, false, true},
        {{true, true, false}, true, "FAlpha2+ AMid1+ FZed1+ ", true, true, false},
    };
    for (const Case& c : cases) {
        PrintFlags flags;
        flags.PrintPreview = false;
        flags.PrintAliases = c.aliasesBefore;
        FilesToPrint rows;
        DisabledBoxes disabled = FillFilesToPrint(ModelOf(c.shape), flags, rows);
        EXPECT_EQ(Listed(rows), c.listed);
        EXPECT_TRUE(flags.PrintPreview);
        EXPECT_EQ(flags.PrintKeys, c.keys) << c.listed;
        EXPECT_EQ(flags.PrintAliases, c.aliases) << c.listed;
        EXPECT_EQ(flags.PrintRelations, c.relations) << c.listed;
        EXPECT_EQ(disabled.keys, !c.shape.keys);
        EXPECT_EQ(disabled.aliases, !c.shape.aliases);
        EXPECT_EQ(disabled.relations, !c.shape.relations);
    }
}

TEST(PrintOptionsTest, ClearedFlagStaysClearedForTheNextDictionary) {
    PrintFlags flags;
    FilesToPrint rows;
    FillFilesToPrint(ModelOf({false, true, true}), flags, rows);
    FillFilesToPrint(ModelOf({true, true, true}), flags, rows);
    EXPECT_FALSE(flags.PrintKeys);
}

TEST(PrintOptionsTest, SelectionRulesAndThePrintButton) {
    PrintFlags flags;
    FilesToPrint rows;
    FillFilesToPrint(ModelOf({true, true, true}), flags, rows);

    SelectAll(rows, flags, false);
    EXPECT_FALSE(flags.PrintAliases);
    EXPECT_TRUE(PrintEnabled(rows, flags));  // the summary alone can print
    flags.PrintSummary = false;
    EXPECT_FALSE(PrintEnabled(rows, flags));
    flags.PrintSummary = true;
    EXPECT_TRUE(PrintEnabled(rows, flags));

    SelectAll(rows, flags, true);
    EXPECT_TRUE(flags.PrintAliases);
    rows[1].SELECTED = 0;  // the alias row, deselected by hand
    FollowAliasSelection(rows, flags);
    EXPECT_FALSE(flags.PrintAliases);
    rows[1].SELECTED = 1;
    FollowAliasSelection(rows, flags);
    EXPECT_TRUE(flags.PrintAliases);

    flags.PrintAliases = false;
    ApplyAliasesBox(rows, flags);
    EXPECT_EQ(Listed(rows), "FAlpha2+ AMid1- FZed1+ ");

    FilesToPrint noAliases = {printing_test::Entry(kFileEntry, "F", 1, 0)};
    FollowAliasSelection(noAliases, flags);
    EXPECT_TRUE(flags.PrintAliases);  // every alias (of none) is selected
}

TEST(PrinterInfoTest, NameTables) {
    struct Case {
        std::int32_t code;
        std::optional<std::string_view> paper, bin;
    };
    const Case cases[] = {
        {1, "Letter 8 1/2 x 11 in", "Upper"},
        {3, "Tabloid 11 x 17 in", "Middle"},
        {12, "B4 250 x 354", std::nullopt},
        {14, "Folio 8 1/2 x 13 in", "Cassette"},
        {22, "Envelope #12 4 \xBE x 11", std::nullopt},
        {29, "Envelope C3  324 x 458 mm", std::nullopt},
        {41, "German Legal Fanfold 8 1/2 x 13 in", std::nullopt},
        {0, std::nullopt, std::nullopt},
        {42, std::nullopt, std::nullopt},
        {-1, std::nullopt, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PaperName(c.code), c.paper) << c.code;
        EXPECT_EQ(BinName(c.code), c.bin) << c.code;
    }
    EXPECT_EQ(BinName(7), "Auto");
    EXPECT_EQ(BinName(13), std::nullopt);
    EXPECT_EQ(BinName(15), std::nullopt);
}

TEST(PrinterInfoTest, ResolutionTexts) {
    const std::pair<std::int32_t, std::string> cases[] = {
        {300, "300 dpi"}, {600, "600 dpi"}, {-1, "Draft"},  {-2, "Low"},
        {-3, "Medium"},   {-4, "High"},     {-5, "-5 dpi"}, {0, "0 dpi"},
    };
    for (const auto& [code, text] : cases) EXPECT_EQ(ResolutionText(code), text) << code;
}

TEST(PrinterInfoTest, UnknownCodesLeaveTheOldText) {
    PrinterTexts texts;
    FillPrinterTexts({"Laser", "ipp://laser", 41, 1, 300}, texts);
    EXPECT_EQ(texts.name, "Laser");
    EXPECT_EQ(texts.port, "ipp://laser");
    EXPECT_EQ(texts.paper, "German Legal Fanfold 8 1/2 x 13 in");
    EXPECT_EQ(texts.bin, "Upper");
    EXPECT_EQ(texts.resolution, "300 dpi");
    FillPrinterTexts({"Other", "lpt", 42, 12, -4}, texts);
    EXPECT_EQ(texts.name, "Other");
    EXPECT_EQ(texts.paper, "German Legal Fanfold 8 1/2 x 13 in");
    EXPECT_EQ(texts.bin, "Upper");
    EXPECT_EQ(texts.resolution, "High");
}

}  // namespace
}  // namespace printing
