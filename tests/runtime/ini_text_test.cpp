#include "runtime/core/ini_text.h"

#include <gtest/gtest.h>

#include <string>

namespace rt {
namespace {

TEST(IniTextFind, MatchesNamesWithoutRegardToCaseAndTrimsValue) {
    const std::string text = "[Main]\r\nXPos =  12  \r\n[Other]\r\nkey=v\r\n";
    EXPECT_EQ(FindIniValue(text, "main", "xpos"), "12");
    EXPECT_EQ(FindIniValue(text, " MAIN ", "XPOS "), "12");
    EXPECT_EQ(FindIniValue(text, "other", "KEY"), "v");
    EXPECT_EQ(FindIniValue(text, "Main", "key"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "Missing", "key"), std::nullopt);
}

TEST(IniTextFind, FirstOccurrenceWinsAcrossDuplicates) {
    const std::string text = "[A]\nk=first\nk=second\n[B]\nx=1\n[a]\nk=third\nonly=later\n";
    EXPECT_EQ(FindIniValue(text, "A", "k"), "first");
    EXPECT_EQ(FindIniValue(text, "A", "only"), "later");
}

TEST(IniTextFind, IgnoresKeysOutsideSectionsCommentsAndLinesWithoutEquals) {
    const std::string text = "loose=1\n[S]\n;k=comment\n#k=hash\nk\nempty=\n";
    EXPECT_EQ(FindIniValue(text, "", "loose"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "S", "k"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "S", ";k"), std::nullopt);
    EXPECT_EQ(FindIniValue(text, "S", "empty"), "");
}

TEST(IniTextFind, SurvivesOddContent) {
    std::string longValue(200000, 'x');
    std::string text = "\xEF\xBB\xBF[S]\nlong=" + longValue + "\nnul=ab";
    text.push_back('\0');
    text += "cd\n[T\nopen=1\n[ U ] trailing\nu=2\nlast=no newline";
    EXPECT_EQ(FindIniValue(text, "S", "long"), longValue);
    EXPECT_EQ(FindIniValue(text, "S", "nul"), "ab");
    EXPECT_EQ(FindIniValue(text, "T", "open"), "1");
    EXPECT_EQ(FindIniValue(text, "U", "u"), "2");
    EXPECT_EQ(FindIniValue(text, "u", "last"), "no newline");
    EXPECT_EQ(FindIniValue("", "S", "k"), std::nullopt);
}

TEST(IniTextSet, RewritesOnlyTheValueLineKeepingCrLf) {
    const std::string text =
        "; settings\r\n[Main]\r\nMaximize=No\r\n  XPos = 10\r\n\r\n[B]\r\nx=1\r\n";
    EXPECT_EQ(SetIniValue(text, "MAIN", "xpos", "20"),
              "; settings\r\n[Main]\r\nMaximize=No\r\nXPos=20\r\n\r\n[B]\r\nx=1\r\n");
}

TEST(IniTextSet, AddsKeyAfterLastKeyOfFirstSection) {
    const std::string text = "[A]\nk=1\n\n; about B\n[B]\nx=1\n[A]\nz=2\n";
    EXPECT_EQ(SetIniValue(text, "a", "new", "v"),
              "[A]\nk=1\nnew=v\n\n; about B\n[B]\nx=1\n[A]\nz=2\n");
    // A key that only the duplicate section holds is rewritten there.
    EXPECT_EQ(SetIniValue(text, "A", "z", "3"), "[A]\nk=1\n\n; about B\n[B]\nx=1\n[A]\nz=3\n");
}

TEST(IniTextSet, AddsKeyToEmptySectionAndToLastLineWithoutNewline) {
    EXPECT_EQ(SetIniValue("[A]\r\n[B]\r\n", "A", "k", "v"), "[A]\r\nk=v\r\n[B]\r\n");
    EXPECT_EQ(SetIniValue("[A]\nx=1", "A", "k", "v"), "[A]\nx=1\nk=v");
    EXPECT_EQ(SetIniValue("[A]", "A", "k", "v"), "[A]\nk=v");
}

TEST(IniTextSet, AppendsMissingSection) {
    EXPECT_EQ(SetIniValue("", "Defaults", "Last", "a b"), "[Defaults]\nLast=a b\n");
    EXPECT_EQ(SetIniValue("[A]\r\nx=1", "B", "k", "v"), "[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
    EXPECT_EQ(SetIniValue("loose=1\n", " B ", " k ", "v"), "loose=1\n[B]\nk=v\n");
}

TEST(IniTextSet, KeepsUtf8MarkAndBytesAroundRewrittenLine) {
    std::string text = "\xEF\xBB\xBF[S]\nk=1\nbin=";
    text.push_back('\0');
    text += "\n";
    std::string expected = "\xEF\xBB\xBF[S]\nk=2\nbin=";
    expected.push_back('\0');
    expected += "\n";
    EXPECT_EQ(SetIniValue(text, "S", "k", "2"), expected);
    EXPECT_EQ(SetIniValue("\xEF\xBB\xBFk=1\n[S]\n", "S", "k", "2"), "\xEF\xBB\xBFk=1\n[S]\nk=2\n");
}

TEST(IniTextSet, WrittenValuesReadBack) {
    std::string text;
    text = SetIniValue(text, "User Menus", "1", "&Utilities/&Kestrian|KEST");
    text = SetIniValue(text, "User Menus", "2", "x = y");
    EXPECT_EQ(FindIniValue(text, "user menus", "1"), "&Utilities/&Kestrian|KEST");
    EXPECT_EQ(FindIniValue(text, "user menus", "2"), "x = y");
}

TEST(IniTextEntry, RejectsWhatCannotBeReadBack) {
    EXPECT_TRUE(IsWritableIniEntry("Main", "XPos", "10"));
    EXPECT_TRUE(IsWritableIniEntry("", "k", ""));
    EXPECT_FALSE(IsWritableIniEntry("Ma]in", "k", "v"));
    EXPECT_FALSE(IsWritableIniEntry("Main", "a=b", "v"));
    EXPECT_FALSE(IsWritableIniEntry("Main", "  ", "v"));
    EXPECT_FALSE(IsWritableIniEntry("Main", "[k", "v"));
    EXPECT_FALSE(IsWritableIniEntry("Main", ";k", "v"));
    EXPECT_FALSE(IsWritableIniEntry("Main", "k", "two\nlines"));
    EXPECT_FALSE(IsWritableIniEntry("Main", "k", "cr\r"));
    EXPECT_FALSE(IsWritableIniEntry("Ma\nin", "k", "v"));
    EXPECT_FALSE(IsWritableIniEntry("Main", "k", std::string("a\0b", 3)));
}

}  // namespace
}  // namespace rt
