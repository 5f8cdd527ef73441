#include "dictionary/model.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace dictionary {
namespace {

TEST(TextTest, NullAndEmptyAreDistinct) {
    Text null;
    Text empty("");
    EXPECT_TRUE(null.IsNull());
    EXPECT_FALSE(empty.IsNull());
    EXPECT_TRUE(empty.has_value());
    EXPECT_EQ(null.view(), "");
    EXPECT_EQ(empty.view(), "");
    EXPECT_FALSE(null == empty);
    EXPECT_FALSE(null == std::string_view(""));
    EXPECT_TRUE(empty == std::string_view(""));
    EXPECT_TRUE(null == Text());
}

TEST(TextTest, HoldsAndBorrowsValuesOfEveryLengthExactly) {
    // Either side of each boundary: inline, borrowed or allocated, copied
    // when too long to borrow, and very long.
    const std::size_t lengths[] = {0,
                                   1,
                                   Text::kInlineCapacity,
                                   Text::kInlineCapacity + 1,
                                   255,
                                   Text::kBorrowLimit - 1,
                                   Text::kBorrowLimit,
                                   Text::kBorrowLimit + 1,
                                   1 << 20};
    for (std::size_t length : lengths) {
        std::string bytes(length, 'v');
        for (std::size_t i = 0; i < length; i += 7) bytes[i] = static_cast<char>(i % 256);
        const Text owned(bytes);
        const Text borrowed = Text::Borrow(bytes);
        EXPECT_EQ(owned.view(), bytes) << length;
        EXPECT_EQ(borrowed.view(), bytes) << length;
        EXPECT_FALSE(owned.IsNull()) << length;
        const bool borrows = length > Text::kInlineCapacity && length < Text::kBorrowLimit;
        EXPECT_EQ(borrowed.view().data() == bytes.data(), borrows) << length;
        EXPECT_NE(owned.view().data(), bytes.data()) << length;
        // A copy of a borrowed text owns its characters.
        const Text copy = borrowed;
        EXPECT_EQ(copy.view(), bytes) << length;
        if (length > 0) {
            EXPECT_NE(copy.view().data(), bytes.data()) << length;
        }
    }
    std::string bytes("a\0b\x1A\xE9", 5);
    EXPECT_EQ(Text(bytes).size(), 5u);
}

TEST(TextTest, CopyMoveAndReassign) {
    Text longText(std::string(40, 'x'));
    Text copy = longText;
    EXPECT_EQ(copy, longText);
    Text moved = std::move(copy);
    EXPECT_TRUE(copy.IsNull());
    EXPECT_EQ(moved.view(), std::string(40, 'x'));
    moved = "short";
    EXPECT_EQ(moved.view(), "short");
    moved = std::string(30, 'y');
    EXPECT_EQ(moved.view(), std::string(30, 'y'));
    moved = std::nullopt;
    EXPECT_TRUE(moved.IsNull());
    // Assigning a view of the text's own characters.
    Text self("inline value");
    self = self.view().substr(7);
    EXPECT_EQ(self.view(), "value");
    Text selfLong(std::string(20, 'z') + "tail");
    selfLong = selfLong.view().substr(20);
    EXPECT_EQ(selfLong.view(), "tail");
}

TEST(FixedStringTest, PadsCutsAndComparesWithoutTrailingBlanks) {
    FixedString<8> type;
    EXPECT_EQ(type.view(), "        ");
    type = "1:MANY";
    EXPECT_EQ(type.view(), "1:MANY  ");
    EXPECT_EQ(type.Trimmed(), "1:MANY");
    EXPECT_TRUE(type == std::string_view("1:MANY   "));
    type = "MANY:MANY:ONE";
    EXPECT_EQ(type.view(), "MANY:MAN");
}

TEST(ModelTest, NewModelHasNullTextsAndLists) {
    DictionaryModel model;
    EXPECT_TRUE(model.VERSION.IsNull());
    EXPECT_TRUE(model.PASSWORD.IsNull());
    EXPECT_EQ(model.DESCRIPTION, nullptr);
    EXPECT_EQ(model.FILE, nullptr);
    EXPECT_EQ(model.VIEW, nullptr);
    EXPECT_EQ(model.ALIAS, nullptr);
    EXPECT_EQ(model.RELATION, nullptr);
    EXPECT_TRUE(Rows(model.FILE).empty());

    FileQueue file;
    EXPECT_EQ(file.ID, 0);
    EXPECT_EQ(file.TEXT, nullptr);
    EXPECT_EQ(file.CREATE, 0);
    EXPECT_EQ(file.KEY, nullptr);
    RelationQueue relation;
    EXPECT_EQ(relation.TYPE.view(), "        ");
    EXPECT_TRUE(relation.RIUPDATE.IsNull());
}

TEST(ModelTest, EnsureCreatesOnceAndKeepsRows) {
    DictionaryModel model;
    Ensure(model.FILE).emplace_back().LABEL = "Customer";
    Ensure(model.FILE).emplace_back().LABEL = "Orders";
    ASSERT_EQ(Rows(model.FILE).size(), 2u);
    EXPECT_EQ(model.FILE->front().LABEL, std::string_view("Customer"));
    EXPECT_EQ(model.FILE->back().LABEL, std::string_view("Orders"));
}

}  // namespace
}  // namespace dictionary
