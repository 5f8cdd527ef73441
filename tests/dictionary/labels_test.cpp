// The one label rule and the field facts every listing shares.
#include "dictionary/labels.h"

#include <gtest/gtest.h>

#include "dictionary/field_facts.h"
#include "dictionary/txd_parser.h"

namespace {

using Outcome = dictionary::LabelChoice::Outcome;

TEST(Labels, ComparedExactlyWithoutTrailingBlanks) {
    EXPECT_TRUE(dictionary::SameLabel("Customer   ", "Customer"));
    EXPECT_FALSE(dictionary::SameLabel("Customer", "CUSTOMER"));
    EXPECT_FALSE(dictionary::SameLabel(" Customer", "Customer"));
    EXPECT_TRUE(dictionary::SameLabel("NOLINK  ", "NOLINK"));
    EXPECT_FALSE(dictionary::SameLabel("nolink", "NOLINK"));
    const std::pair<std::string_view, std::string_view> qualifiers[] = {
        {"CUS:CustNo", "CUS"}, {"-CUS:City", "CUS"}, {"CustNo", ""}, {" ADR:Street[2] ", "ADR"}};
    for (const auto& [reference, prefix] : qualifiers)
        EXPECT_EQ(dictionary::Qualifier(reference), prefix) << reference;
}

TEST(Labels, ASelectionIsExactElseTheOneLabelThatDiffersInCase) {
    struct Case {
        const char* wanted;
        std::vector<std::string_view> labels;
        Outcome outcome;
        std::size_t position;
        std::vector<std::string> candidates;
    };
    const std::vector<Case> cases = {
        {"Orders", {"Customer", "Orders  "}, Outcome::Exact, 1, {}},
        {"orders", {"Customer", "Orders"}, Outcome::CaseOnly, 1, {}},
        {"ORDERS", {"Orders", "ORDERS", "orders"}, Outcome::Exact, 1, {}},
        {"OrDeRs", {"Orders", "ORDERS"}, Outcome::Ambiguous, 0, {"Orders", "ORDERS"}},
        {"Invoice", {"Customer"}, Outcome::None, 0, {}},
        {"", {}, Outcome::None, 0, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.wanted);
        const dictionary::LabelChoice choice = dictionary::ChooseLabel(c.labels, c.wanted);
        EXPECT_EQ(choice.outcome, c.outcome);
        EXPECT_EQ(choice.position, c.position);
        EXPECT_EQ(choice.candidates, c.candidates);
    }
}

struct Parsed {
    std::string text;
    dictionary::DictionaryModel model;
};

std::unique_ptr<Parsed> Parse(std::string text) {
    auto parsed = std::make_unique<Parsed>();
    parsed->text = std::move(text);
    dictionary::ParseAll(parsed->model, parsed->text, "TEST.DCT");
    return parsed;
}

TEST(FieldFacts, TypeValidAndPrefixAsEveryListingShowsThem) {
    auto parsed = Parse(
        "[FILES]\n"
        "Customer             FILE,DRIVER('DOS'),PRE(CUS),OWNER('x'),CREATE,OEM\n"
        "Notes                  MEMO(2000)\n"
        "Record                 RECORD,PRE()\n"
        "Balance                  DECIMAL(11,2)\n"
        "!!> IDENT(1),VALID(INRANGE(0,100))\n"
        "Address                  GROUP,PRE(ADR)\n"
        "Street                     STRING(35),DIM(2)\n"
        "!!> IDENT(2),VALID()\n"
        "Inner                      GROUP,PRE()\n"
        "City                         STRING(20)\n"
        "                           END\n"
        "                         END\n"
        "Since                    DATE\n"
        "                       END\n"
        "                     END\n");
    const dictionary::FileQueue& file = dictionary::Rows(parsed->model.FILE)[0];
    auto fields = dictionary::Rows(file.FIELD);
    ASSERT_EQ(fields.size(), 8u);
    const std::vector<std::string> types = {
        "DECIMAL(11,2)", "GROUP", "STRING(35),DIM(2)", "GROUP", "STRING(20)", "END", "END", "DATE"};
    dictionary::Scanner scanner;
    const std::vector<std::string> prefixes = dictionary::FieldPrefixes(file, scanner);
    const std::vector<std::string> expected = {"CUS", "CUS", "ADR", "ADR",
                                               "ADR", "ADR", "ADR", "CUS"};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        EXPECT_EQ(dictionary::TypeTextWithDim(fields[i]), types[i]) << i;
        EXPECT_EQ(prefixes[i], expected[i]) << i;
    }
    EXPECT_EQ(dictionary::TypeText(fields[2]), "STRING(35)");
    EXPECT_EQ(dictionary::ValidOf(fields[0].TEXT, scanner), "INRANGE(0,100)");
    EXPECT_EQ(dictionary::ValidOf(fields[2].TEXT, scanner), "");  // VALID() says nothing
    EXPECT_EQ(dictionary::ValidOf(fields[7].TEXT, scanner), "");
    EXPECT_EQ(dictionary::MemoTypeText(dictionary::Rows(file.MEMO)[0]), "MEMO(2000)");
    EXPECT_EQ(dictionary::FileAttributeWords(file),
              (std::vector<std::string>{"CREATE", "OEM", "OWNER('x')"}));
}

TEST(LabelIndex, FindsExactlyAndTellsWhatDiffersOnlyInCase) {
    auto parsed = Parse(
        "[FILES]\n"
        "Orders               FILE,PRE(ORD)\nKeyNo KEY(ORD:No)\nRecord RECORD\nNo LONG\n END\n "
        "END\n"
        "Orders               FILE,PRE(OR2)\nKeyTwo KEY(OR2:Two)\nRecord RECORD\nTwo LONG\n END\n"
        " END\n"
        "[ALIASES]\nShipTo ALIAS(Orders),PRE(SHP)\n");
    const dictionary::LabelIndex index(parsed->model);
    EXPECT_EQ(index.Files("Orders").size(), 2u);
    EXPECT_EQ(index.File("ORDERS"), nullptr);
    EXPECT_EQ(index.FileOrAliasIgnoringCase("ORDERS"), "Orders");
    EXPECT_EQ(index.FileOrAliased("ShipTo"), index.File("Orders"));
    EXPECT_EQ(index.FileOrAliased("shipto"), nullptr);
    EXPECT_EQ(index.FileOrAliasIgnoringCase("SHIPTO"), "ShipTo");
    const dictionary::FileQueue& first = *index.File("Orders");
    EXPECT_NE(index.Field(first, "No"), nullptr);
    EXPECT_EQ(index.Field(first, "NO"), nullptr);
    EXPECT_EQ(index.FieldIgnoringCase(first, "NO"), "No");
    EXPECT_TRUE(index.HasKey(first, "KeyNo"));
    EXPECT_EQ(index.KeyIgnoringCase(first, "keyno"), "KeyNo");
    EXPECT_EQ(index.KeyIgnoringCase(first, "KeyTwo"), "");
    EXPECT_EQ(index.AliasesOf("Orders").size(), 1u);
}

}  // namespace
