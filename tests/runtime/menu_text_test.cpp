// The popup menu-text grammar: numbering, markers, submenus, and texts that
// are cut or unbalanced.
#include "runtime/core/menu_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using rt::MenuCheck;
using rt::MenuEntry;
using Kind = MenuEntry::Kind;

// A compact picture of a parsed menu: "1:A" a command, "-" a separator,
// "A{...}" a submenu; "~" disabled, "+"/"-" checked or unchecked.
std::string Describe(const std::vector<MenuEntry>& menu) {
    std::string out;
    for (const MenuEntry& entry : menu) {
        if (!out.empty()) out += ' ';
        if (entry.kind == Kind::Separator) {
            out += '-';
            continue;
        }
        if (entry.kind == Kind::Command) out += std::to_string(entry.number) + ':';
        if (entry.disabled) out += '~';
        if (entry.check == MenuCheck::Checked) out += '+';
        if (entry.check == MenuCheck::Unchecked) out += '-';
        out += entry.text;
        if (entry.kind == Kind::Submenu) out += '{' + Describe(entry.children) + '}';
    }
    return out;
}

struct MenuCase {
    std::string text;
    std::string expected;
};

void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class MenuTextGrammar : public testing::TestWithParam<MenuCase> {};

TEST_P(MenuTextGrammar, Parses) {
    EXPECT_EQ(Describe(rt::ParseMenuText(GetParam().text)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MenuTextGrammar,
    testing::Values(MenuCase{"Select All|Deselect All|Cancel",
                             "1:Select All 2:Deselect All 3:Cancel"},
                    MenuCase{"|A|B", "1:A 2:B"},  // a leading bar is ignored
                    MenuCase{"A|-|B", "1:A - 2:B"}, MenuCase{"A{B|C}D", "A{1:B 2:C} 3:D"},
                    MenuCase{"|Zoom{+50%|-100%}|~Print", "Zoom{1:+50% 2:-100%} 3:~Print"},
                    MenuCase{"~+Both|-|--", "1:~+Both - 2:--"},
                    MenuCase{"A{B{C|D}E}F", "A{B{1:C 2:D} 3:E} 4:F"},
                    MenuCase{"Items   ", "1:Items"},  // trailing blanks go
                    MenuCase{"", ""},
                    // Unsound input still gives a sound menu.
                    MenuCase{"A{B|C", "A{1:B 2:C}"}, MenuCase{"A}B|C", "1:A 2:B 3:C"},
                    MenuCase{"A||B|", "1:A 2:B"}, MenuCase{"{A}", "{1:A}"}));

TEST(MenuText, CutAt1023CharactersAfterTrailingBlanks) {
    // 1021 characters of one item, then "|BC": the cut leaves "|B".
    std::string text(1021, 'x');
    text += "|BC";
    text += std::string(50, ' ');
    const auto menu = rt::ParseMenuText(text);
    ASSERT_EQ(menu.size(), 2u);
    EXPECT_EQ(menu[1].text, "B");

    std::string longer(1030, 'y');
    EXPECT_EQ(rt::ParseMenuText(longer).front().text.size(), 1023u);
}

TEST(MenuText, ACutInsideASubmenuStillClosesIt) {
    std::string text = "Files{";
    for (int i = 0; i < 300; ++i) text += "NAME|";
    const auto menu = rt::ParseMenuText(text);
    ASSERT_EQ(menu.size(), 1u);
    EXPECT_EQ(menu[0].kind, Kind::Submenu);
    EXPECT_EQ(rt::CountCommands(menu), static_cast<int>(menu[0].children.size()));
    EXPECT_EQ(menu[0].children.size(), 204u);
    EXPECT_EQ(menu[0].children.back().text, "NA");  // 6 + 203 * 5 + 2 = 1023
}

}  // namespace
