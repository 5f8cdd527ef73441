#include "framework/error_table.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::uint16_t> Ids(const std::vector<framework::ErrorDefinition>& definitions) {
    std::vector<std::uint16_t> ids;
    for (const auto& d : definitions) ids.push_back(d.id);
    return ids;
}

TEST(DefaultErrorTable, HoldsThe36DefinitionsInOrder) {
    const auto table = framework::DefaultErrorTable();
    ASSERT_GE(table.size(), 2u);
    EXPECT_EQ(table[0], 36);
    EXPECT_EQ(table[1], 0);

    const auto definitions = framework::ReadErrorTable(table);
    EXPECT_THAT(Ids(definitions),
                ElementsAreArray<std::uint16_t>({18, 29, 5,  26, 24, 25, 23, 22, 33, 32, 16, 30,
                                                 14, 39, 8,  15, 38, 7,  3,  10, 1,  12, 2,  11,
                                                 9,  28, 27, 37, 36, 19, 31, 40, 21, 42, 43, 44}));
    std::vector<int> severities;
    for (const auto& d : definitions) severities.push_back(d.fatality);
    EXPECT_THAT(severities,
                ElementsAreArray({5, 3, 3, 5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 1, 1, 5, 5, 5,
                                  1, 5, 1, 5, 1, 1, 3, 5, 5, 1, 1, 5, 5, 5, 1, 5, 5, 5}));
    EXPECT_EQ(framework::PackErrorTable(definitions).size(), table.size());
}

TEST(DefaultErrorTable, TextsAreExact) {
    const auto d = framework::ReadErrorTable(framework::DefaultErrorTable());
    ASSERT_EQ(d.size(), 36u);
    EXPECT_EQ(d[0].title, "Invalid Key");
    EXPECT_EQ(d[0].message, "%File key file is invalid. Key must be rebuilt.");
    EXPECT_EQ(d[12].message,
              "This record was changed by another station. Those changes will now be displayed. "
              "Use the Ditto Button or Ctrl+' to recall your changes.");
    EXPECT_EQ(d[15].message, "This form cannot be used to insert a record");
    EXPECT_EQ(d[18].title, "Changes will be lost!");
    EXPECT_EQ(d[20].message,
              "Attempts to automatically number this record have failed.  Error: %ErrorText. Try "
              "Again?");
    EXPECT_EQ(d[21].message, "%File File Load Error.  Error: %ErrorText.");
    EXPECT_EQ(d[24].title, "File Access Error");
    EXPECT_EQ(d[24].message, "File (%File) could not be opened.  Error: %ErrorText.");
    EXPECT_EQ(d[30].message,
              "Error: (%ErrorText) attempting to access a record from the %File file.  Returning "
              "to previous window.");
    EXPECT_EQ(d[35].title, "Value Error");
    EXPECT_EQ(d[35].message, "The value of %Field must be in the list : %Message.");
}

TEST(ErrorTableFormat, PacksLittleEndianWithoutPadding) {
    const framework::ErrorDefinition definitions[] = {{0x1234, 3, "T", "Msg"}, {7, 200, "", ""}};
    EXPECT_THAT(framework::PackErrorTable(definitions),
                ElementsAre(2, 0, 0x34, 0x12, 3, 1, 'T', 3, 'M', 's', 'g', 7, 0, 200, 0, 0));
}

TEST(ErrorTableFormat, ReadsWhatWasPacked) {
    const framework::ErrorDefinition definitions[] = {{65535, 1, "Title one", "Message %File"},
                                                      {2, 0, "", "No title"}};
    const auto table = framework::PackErrorTable(definitions);
    const auto read = framework::ReadErrorTable(table);
    ASSERT_EQ(read.size(), 2u);
    EXPECT_EQ(read[0].id, 65535);
    EXPECT_EQ(read[0].fatality, 1);
    EXPECT_EQ(read[0].title, "Title one");
    EXPECT_EQ(read[0].message, "Message %File");
    EXPECT_EQ(read[1].id, 2);
    EXPECT_EQ(read[1].title, "");
    EXPECT_EQ(read[1].message, "No title");
}

TEST(ErrorTableFormat, TextsLongerThan255BytesAreCut) {
    const std::string longTitle(300, 't');
    const std::string longMessage(256, 'm');
    const framework::ErrorDefinition definitions[] = {{1, 5, longTitle, longMessage}};
    const auto table = framework::PackErrorTable(definitions);
    EXPECT_EQ(table.size(), 2u + 5u + 255u + 255u);
    const auto read = framework::ReadErrorTable(table);
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].title, std::string(255, 't'));
    EXPECT_EQ(read[0].message, std::string(255, 'm'));
}

TEST(ErrorTableFormat, IncompleteTablesYieldTheCompleteEntries) {
    EXPECT_TRUE(framework::ReadErrorTable({}).empty());
    const std::vector<std::uint8_t> countOnlyHalf = {3};
    EXPECT_TRUE(framework::ReadErrorTable(countOnlyHalf).empty());

    const framework::ErrorDefinition definitions[] = {{1, 5, "A", "First"}, {2, 5, "B", "Second"}};
    const auto table = framework::PackErrorTable(definitions);
    // Every cut inside the second entry keeps only the first.
    const std::size_t firstEnd = 2 + 5 + 1 + 5;
    for (std::size_t size = firstEnd; size < table.size(); ++size) {
        const auto read = framework::ReadErrorTable(std::span(table).first(size));
        EXPECT_THAT(Ids(read), ElementsAre(1)) << size;
    }
    // A count larger than the entries present.
    auto overstated = table;
    overstated[0] = 9;
    EXPECT_THAT(Ids(framework::ReadErrorTable(overstated)), ElementsAre(1, 2));
    // A count smaller than the entries present.
    auto understated = table;
    understated[0] = 1;
    EXPECT_THAT(Ids(framework::ReadErrorTable(understated)), ElementsAre(1));
}

}  // namespace
