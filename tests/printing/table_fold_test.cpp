// Tables wider than the page folded onto continuation lines, and tables
// that fit left exactly as they are.
#include "printing/core/table_fold.h"

#include <gtest/gtest.h>

#include "tests/printing/report_models.h"

namespace printing {
namespace {

using printing_test::AddPair;
using printing_test::Relation;

// A table of one row: `first` at column 1, `second` at `at`; folds at `at`.
ReportTable TwoCells(std::string_view first, std::size_t at, std::string_view second) {
    ReportLine line(std::max<std::size_t>(kLineLength, at + second.size()));
    line = first;
    line.Put(at, second);
    ReportTable table;
    table.rows.push_back({RowKind::Row, line.Value()});
    table.folds = {at};
    return table;
}

TEST(TableFoldTest, RowsFoldAtTheFurthestColumnThatFits) {
    const std::string cont(kContinuationColumn - 1, ' ');
    struct Case {
        const char* what;
        std::string first;
        std::size_t at;
        std::string second;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"fits: as it is", "ab", 98, "cde", {"ab" + std::string(95, ' ') + "cde"}},
        {"too wide: the rest continues", "ab", 99, "cde", {"ab", cont + "cde"}},
        {"a blank first piece is left out", "", 99, "cde", {cont + "cde"}},
        {"a cell wider than a line wraps under itself",
         "ab",
         10,
         std::string(60, 'x') + "," + std::string(60, 'y'),
         {"ab", cont + std::string(60, 'x') + ",", cont + std::string(60, 'y')}},
    };
    for (const Case& c : cases) {
        const ReportTable table = TwoCells(c.first, c.at, c.second);
        EXPECT_EQ(TableFold(table).Lines(table.rows[0].text), c.lines) << c.what;
    }
}

// Four 40-character labels and keys on both sides of a relation.
TEST(TableFoldTest, RelationsWithFortyCharacterLabelsLoseNothing) {
    const std::string own(40, 'O'), related(40, 'R');
    const std::string ownKey = "OWN:" + std::string(40, 'k'),
                      relatedKey = "REL:" + std::string(40, 'K');
    const std::string ownField = "OWN:" + std::string(40, 'f'),
                      relatedField = "REL:" + std::string(40, 'F');
    dictionary::RelationQueue r = Relation("1:MANY", own, ownKey, related, relatedKey);
    AddPair(r.LEFTFIELDS, ownField, relatedField);
    AddPair(r.LEFTFIELDS, "NOLINK", relatedField + "2");
    AddPair(r.RIGHTFIELDS, relatedField, ownField);
    auto table = RelationsTable({{&r, true}});
    ASSERT_TRUE(table);
    const TableFold fold(*table);
    ASSERT_TRUE(fold.Folded());

    std::vector<std::vector<std::string>> rows;
    for (const TableLine& row : table->rows) rows.push_back(fold.Lines(row.text));
    for (const auto& lines : rows) {
        for (const std::string& line : lines) EXPECT_LE(line.size(), kPageColumns) << line;
    }
    auto holds = [](const std::vector<std::string>& lines, const std::string& text) {
        for (const std::string& line : lines) {
            if (line.find(text) != std::string::npos) return true;
        }
        return false;
    };
    ASSERT_EQ(rows.size(), 3u);  // the head row and two pair rows
    for (const std::string& text : {own, related, ownKey, relatedKey}) {
        EXPECT_TRUE(holds(rows[0], text)) << text;
    }
    for (const std::string& text : {ownField, relatedField})
        EXPECT_TRUE(holds(rows[1], text)) << text;
    EXPECT_TRUE(holds(rows[2], relatedField + "2"));
    const std::vector<std::string> heading = fold.Lines(table->heading);
    EXPECT_EQ(heading.size(), rows[0].size());  // the heading folds as the rows do
    for (const char* name : {"RELATED FILE", "RELATED KEY", "KEY"}) {
        EXPECT_TRUE(holds(heading, name)) << name;
    }
}

}  // namespace
}  // namespace printing
