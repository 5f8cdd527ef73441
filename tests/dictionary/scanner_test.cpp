#include "dictionary/scanner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace dictionary {
namespace {

std::vector<std::string> Tokens(const Scanner& scanner) {
    std::vector<std::string> out;
    for (std::int32_t n = 1; n <= scanner.TokenCount(); ++n) {
        out.emplace_back(scanner.TokenText(n));
    }
    return out;
}

std::vector<std::string> ArgumentsOfToken(Scanner& scanner, std::int32_t number) {
    std::vector<std::string> out;
    for (std::int32_t n = 1; n <= scanner.ArgumentCount(number); ++n) {
        out.emplace_back(scanner.Argument(number, n));
    }
    return out;
}

using Strings = std::vector<std::string>;

TEST(ScannerSplitTest, DeclarationLineGivesItemsAndArguments) {
    Scanner scanner;
    ASSERT_EQ(scanner.Split("Name   STRING(20),NAME('Name')"), 3);
    EXPECT_EQ(Tokens(scanner), (Strings{"Name", "STRING(20)", "NAME('Name')"}));
    EXPECT_EQ(scanner.TokenItem(1), "Name");
    EXPECT_EQ(scanner.ArgumentCount(1), 0);
    EXPECT_EQ(scanner.TokenItem(2), "STRING");
    EXPECT_EQ(ArgumentsOfToken(scanner, 2), Strings{"20"});
    EXPECT_EQ(scanner.TokenItem(3), "NAME");
    EXPECT_EQ(ArgumentsOfToken(scanner, 3), Strings{"'Name'"});

    const TokenQueue& token = scanner.Q()[1];
    EXPECT_EQ(token.ID, 0);
    EXPECT_EQ(token.TEXTL, 8);
    EXPECT_EQ(token.TEXTR, 17);
    EXPECT_EQ(token.ITEML, 8);
    EXPECT_EQ(token.ITEMR, 13);
    ASSERT_EQ(scanner.Value(token).size(), 1u);
    EXPECT_EQ(scanner.Value(token)[0].L, 15);
    EXPECT_EQ(scanner.Value(token)[0].R, 16);
}

TEST(ScannerSplitTest, KeyComponentsAndFlags) {
    Scanner scanner;
    ASSERT_EQ(scanner.Split("KEY(PRE:A,-PRE:B),DUP,NOCASE"), 3);
    EXPECT_EQ(scanner.Item(1), "KEY");
    EXPECT_EQ(scanner.Item(2), "DUP");
    EXPECT_EQ(scanner.Item(3), "NOCASE");
    EXPECT_EQ(ArgumentsOfToken(scanner, 1), (Strings{"PRE:A", "-PRE:B"}));
}

TEST(ScannerSplitTest, EmptyStretchesGiveNoTokens) {
    Scanner scanner;
    EXPECT_EQ(scanner.Split("A, ,B"), 2);
    EXPECT_EQ(Tokens(scanner), (Strings{"A", "B"}));
    EXPECT_EQ(scanner.Split("   "), 0);
    EXPECT_EQ(scanner.Split(""), 0);
    EXPECT_EQ(scanner.Split(",,,  ,"), 0);
}

TEST(ScannerSplitTest, QuotesAndBracketsHoldDelimiters) {
    Scanner scanner;
    ASSERT_EQ(scanner.Split("X NAME('My File.DAT'),Y"), 3);
    EXPECT_EQ(scanner.TokenText(2), "NAME('My File.DAT')");
    ASSERT_EQ(scanner.Split("A [B C] {D,E} <F G> 'it''s, here'"), 5);
    EXPECT_EQ(Tokens(scanner), (Strings{"A", "[B C]", "{D,E}", "<F G>", "'it''s, here'"}));
    // A bracket inside quotes is plain text; a stray closer inside brackets too.
    ASSERT_EQ(scanner.Split("P('(' x) Q([a) b])"), 2);
    EXPECT_EQ(Tokens(scanner), (Strings{"P('(' x)", "Q([a) b])"}));
}

TEST(ScannerSplitTest, UnclosedBracketSwallowsTheRest) {
    Scanner scanner;
    ASSERT_EQ(scanner.Split("A(B,C D,E"), 1);
    EXPECT_EQ(scanner.TokenText(1), "A(B,C D,E");
    EXPECT_EQ(scanner.Item(1), "A");
    EXPECT_EQ(scanner.ArgumentCount(1), 0);
}

TEST(ScannerSplitTest, ArgumentsAreCutPlainlyAtCommas) {
    Scanner scanner;
    scanner.Split("INITIAL('a,b')");
    EXPECT_EQ(ArgumentsOfToken(scanner, 1), (Strings{"'a", "b'"}));
    scanner.Split("X(,5,,)");
    EXPECT_EQ(ArgumentsOfToken(scanner, 1), (Strings{"", "5", ""}));
    const ArgumentQueue empty = scanner.Value(scanner.Q()[0])[0];
    EXPECT_EQ(empty.R, empty.L - 1);
    scanner.Split("X()");
    EXPECT_EQ(scanner.Item(1), "X");
    EXPECT_EQ(scanner.ArgumentCount(1), 0);
    EXPECT_EQ(scanner.Q()[0].VALUE, -1);
    scanner.Split("(A,B)");
    EXPECT_EQ(scanner.Item(1), "");
    EXPECT_EQ(ArgumentsOfToken(scanner, 1), (Strings{"A", "B"}));
    scanner.Split("F(A)x");
    EXPECT_EQ(scanner.Item(1), "F");
    EXPECT_EQ(scanner.ArgumentCount(1), 0);
}

TEST(ScannerSplitTest, ExclamationInColumnOneOnly) {
    Scanner scanner;
    scanner.Split("!!> IDENT(1)");
    EXPECT_EQ(scanner.Line(), "!> IDENT(1)");
    EXPECT_EQ(scanner.Item(1), "!>");
    scanner.Split("!   Customer names   ");
    EXPECT_EQ(scanner.Line(), "Customer names");
    scanner.Split(" !Customer");
    EXPECT_EQ(scanner.Line(), "!Customer");
    EXPECT_EQ(scanner.Item(1), "!Customer");
}

TEST(ScannerSplitTest, OwnAndGivenDelimiters) {
    Scanner scanner;
    EXPECT_EQ(scanner.Delimiters(), ", ");
    EXPECT_EQ(scanner.Split("a b;c", ";", false), 2);
    EXPECT_EQ(Tokens(scanner), (Strings{"a b", "c"}));
    // Only ten delimiter characters count.
    EXPECT_EQ(scanner.Split("a0123456789b", "0123456789b", false), 2);
    EXPECT_EQ(Tokens(scanner), (Strings{"a", "b"}));
    // Delimiters are plain text inside brackets and quotes.
    EXPECT_EQ(scanner.Split("f(a;b);'c;d'", ";", false), 2);
}

TEST(ScannerSplitTest, DeepNestingIsTrackedWithoutLimit) {
    Scanner scanner;
    std::string deep = "D" + std::string(5000, '(') + "x, y" + std::string(5000, ')') + " next";
    ASSERT_EQ(scanner.Split(deep), 2);
    EXPECT_EQ(scanner.Item(1), "D");
    EXPECT_EQ(scanner.TokenText(2), "next");
    // 25 levels of mixed openers, then a quote holding a comma.
    std::string mixed = "M";
    std::string closing;
    for (int i = 0; i < 25; ++i) {
        mixed += "([{<"[i % 4];
        closing.insert(closing.begin(), ")]}>"[i % 4]);
    }
    mixed += "'a, b'" + closing + ",N";
    ASSERT_EQ(scanner.Split(mixed), 2);
    EXPECT_EQ(scanner.TokenText(2), "N");
}

TEST(ScannerSplitTest, BytesAreKept) {
    Scanner scanner;
    const std::string line("A\0B C\x1A(1)", 9);
    ASSERT_EQ(scanner.Split(line), 2);
    EXPECT_EQ(scanner.TokenText(1), std::string_view("A\0B", 3));
    EXPECT_EQ(scanner.Item(2), "C\x1A");
    EXPECT_EQ(ArgumentsOfToken(scanner, 2), Strings{"1"});
}

// A scanner that keeps lines in place cuts them as a copying one does, and
// its texts lie in the caller's line; switching delimiters between lines
// takes effect each time.
TEST(ScannerSplitTest, LinesKeptInPlaceCutAsCopiedOnes) {
    const std::string lines[] = {"Payment0   FILE,DRIVER('ODBC'),PRE(F0),CREATE",
                                 "!!> IDENT(6),PROMPT('&Phone0:'),PICTURE(@n-15.2)",
                                 "A [B C] {D,E} <F G> 'it''s, here'",
                                 "P('(' x) Q([a) b]) 'open",
                                 "   ",
                                 "K  KEY(F:A,-F:B),NOCASE"};
    Scanner copying;
    Scanner inPlace;
    inPlace.KeepLinesInPlace(true);
    for (const std::string& line : lines) {
        for (const char* delimiters : {", ", ",", "(", ""}) {
            SCOPED_TRACE(line + " / [" + delimiters + "]");
            ASSERT_EQ(inPlace.Split(line, delimiters, false),
                      copying.Split(line, delimiters, false));
            EXPECT_EQ(Tokens(inPlace), Tokens(copying));
            for (std::int32_t n = 1; n <= inPlace.TokenCount(); ++n) {
                EXPECT_EQ(ArgumentsOfToken(inPlace, n), ArgumentsOfToken(copying, n));
                const std::string_view text = inPlace.TokenText(n);
                EXPECT_TRUE(text.data() >= line.data() &&
                            text.data() + text.size() <= line.data() + line.size());
            }
        }
    }
}

// A line cut only as far as its first tokens gives those tokens as a whole
// split does, and the rest once completed.
TEST(ScannerSplitTest, FirstTokensThenTheRest) {
    const std::string lines[] = {"Payment0   FILE,DRIVER('ODBC'),PRE(F0),CREATE",
                                 "!!> IDENT(6),PROMPT('&Phone0:'),PICTURE(@n-15.2)",
                                 "!Describes the Employee, and its Code",
                                 "A('x, y' [B C]) D",
                                 "P('(' x) Q([a) b]) 'open",
                                 "single",
                                 "",
                                 "  , ,  "};
    Scanner whole;
    Scanner first;
    first.KeepLinesInPlace(true);
    for (const std::string& line : lines) {
        const Strings all = (whole.Split(line), Tokens(whole));
        for (std::int32_t wanted : {1, 2, 3}) {
            SCOPED_TRACE(line + " / " + std::to_string(wanted));
            const std::int32_t found = first.SplitFirst(line, wanted);
            EXPECT_EQ(found, std::min<std::int32_t>(wanted, whole.TokenCount()));
            for (std::int32_t n = 1; n <= found; ++n) {
                EXPECT_EQ(first.Item(n), whole.Item(n));
                EXPECT_EQ(ArgumentsOfToken(first, n), ArgumentsOfToken(whole, n));
            }
            first.Complete();
            EXPECT_EQ(Tokens(first), all);
            first.Complete();  // a second time changes nothing
            EXPECT_EQ(Tokens(first), all);
        }
    }
}

TEST(ScannerSelectionTest, ByNumberAndByItem) {
    Scanner scanner;
    scanner.Split("Cust FILE,DRIVER('ASCII'),PRE(CUS),NAME('a','b')");
    EXPECT_EQ(scanner.TokenItem("PRE"), "PRE");
    EXPECT_EQ(scanner.CurrentToken(), 4);
    EXPECT_EQ(scanner.CurrentItem(), "PRE");
    EXPECT_EQ(scanner.CurrentArgument(), "CUS");
    EXPECT_EQ(scanner.TokenItem("PRE   "), "PRE");  // trailing blanks do not count
    EXPECT_EQ(scanner.TokenItem("pre"), "");        // case matters
    EXPECT_EQ(scanner.CurrentToken(), 0);
    EXPECT_EQ(scanner.CurrentItem(), "");
    EXPECT_EQ(scanner.CurrentArgument(), "");
    EXPECT_EQ(scanner.TokenItem(5), "NAME");
    EXPECT_EQ(scanner.TokenItem(6), "");
    EXPECT_EQ(scanner.CurrentItem(), "");
    EXPECT_EQ(scanner.TokenItem(0), "");
    EXPECT_EQ(scanner.TokenItem(-3), "");
}

TEST(ScannerSelectionTest, CurrentArgumentIsLastUntilSelected) {
    Scanner scanner;
    scanner.Split("A NAME('a','b','c') B(1,2)");
    scanner.TokenItem("NAME");
    EXPECT_EQ(scanner.CurrentArgument(), "'c'");
    EXPECT_EQ(scanner.Argument("NAME", 1), "'a'");
    EXPECT_EQ(scanner.CurrentArgument(), "'a'");
    EXPECT_EQ(scanner.Argument(3, 2), "2");
    // Each token keeps its own current argument.
    scanner.TokenItem(2);
    EXPECT_EQ(scanner.CurrentArgument(), "'a'");
    EXPECT_EQ(scanner.Argument(2, 0), "");
    EXPECT_EQ(scanner.Argument(2, 4), "");
    EXPECT_EQ(scanner.CurrentArgument(), "'a'");
    EXPECT_EQ(scanner.Argument(1, 1), "");  // no argument list
    EXPECT_EQ(scanner.Argument("MISSING", 1), "");
    EXPECT_EQ(scanner.CurrentToken(), 0);
    // A new line resets the current token.
    scanner.Split("X(1)");
    EXPECT_EQ(scanner.CurrentToken(), 0);
}

TEST(ScannerBuiltResultTest, ArgumentsDropLeadingBlanks) {
    Scanner scanner;
    scanner.Split("X(,5) Y(7,2) Z( ,a,,b) W");
    EXPECT_EQ(scanner.ArgumentsOf("X"), "5");
    EXPECT_EQ(scanner.ArgumentsOf("Y"), "7,2");
    EXPECT_EQ(scanner.ArgumentsOf("Z"), "a,,b");
    EXPECT_EQ(scanner.ArgumentsOf("W"), "");
    EXPECT_EQ(scanner.ArgumentsOf("V"), "");
    EXPECT_EQ(scanner.CurrentToken(), 0);
}

TEST(ScannerBuiltResultTest, JoinTokens) {
    Scanner scanner;
    scanner.Split("CREATED '1 JAN 1999'   ' 9:00:00AM'");
    EXPECT_EQ(scanner.Join(2, 0, true, " ", false), "'1 JAN 1999' ' 9:00:00AM'");
    EXPECT_EQ(scanner.Join(1, 2, false, {}, true), "CREATED,'1 JAN 1999'");
    EXPECT_EQ(scanner.Join(1, 2, false, "", false), "CREATED '1 JAN 1999'");
    EXPECT_EQ(scanner.Join(2, 99, false, ";x", false), "'1 JAN 1999';' 9:00:00AM'");
    EXPECT_EQ(scanner.Join(4, 0, true, ",", false), "");
    EXPECT_EQ(scanner.Join(-1, 1, false, ",", false), "CREATED");
}

TEST(ScannerBuiltResultTest, ResultsAreCutAtOneThousand) {
    Scanner scanner;
    std::string line = "X(" + std::string(600, 'a') + "," + std::string(600, 'b') + ")";
    scanner.Split(line);
    scanner.TokenItem(1);
    const std::string arguments = scanner.Arguments();
    ASSERT_EQ(arguments.size(), 1000u);
    EXPECT_EQ(arguments.substr(599, 3), "a,b");
    scanner.Split(std::string(700, 'c') + " " + std::string(700, 'd'));
    const std::string joined = scanner.Join(1, 2, false, " ", false);
    ASSERT_EQ(joined.size(), 1000u);
    EXPECT_EQ(joined[700], ' ');
    EXPECT_EQ(joined.back(), 'd');
    scanner.Split(std::string(1200, 'e'));
    EXPECT_EQ(scanner.Join(1, 1, false, " ", false).size(), 1000u);
}

TEST(ScannerLifecycleTest, DisposeAndReuse) {
    Scanner scanner;
    scanner.Split("A B(1)");
    scanner.TokenItem(2);
    scanner.Dispose();
    EXPECT_EQ(scanner.TokenCount(), 0);
    EXPECT_EQ(scanner.CurrentItem(), "");
    EXPECT_EQ(scanner.CurrentArgument(), "");
    EXPECT_EQ(scanner.Line(), "");
    EXPECT_EQ(scanner.Split("C D"), 2);
    scanner.SetDelimiters(";");
    EXPECT_EQ(scanner.Split("C D;E"), 2);
    scanner.Init();
    EXPECT_EQ(scanner.Delimiters(), ", ");
    EXPECT_EQ(scanner.TokenCount(), 0);
}

TEST(RemoveCharsTest, RemovesSetCharacters) {
    EXPECT_EQ(RemoveChars("'ASCII'", "'", false), "ASCII");
    EXPECT_EQ(RemoveChars(" a b  c "), "abc");
    EXPECT_EQ(RemoveChars("a-b_c", "-_", false), "abc");
    EXPECT_EQ(RemoveChars("abc", "", false), "abc");
    EXPECT_EQ(RemoveChars(std::string(1000, 'x'), "y", false), std::string(1000, 'x'));
    EXPECT_EQ(RemoveChars(std::string(1001, 'x'), "y", false), "");
}

}  // namespace
}  // namespace dictionary
