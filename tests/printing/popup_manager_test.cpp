// Popup menu items: names, check marks, mimic and event items, the menu
// text and the mapping of the chosen number back to a name.
#include "printing/core/popup_manager.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace printing {
namespace {

// A window with controls whose state the test sets, and a popup that
// answers with a preset choice.
class FakeHost : public PopupHost {
  public:
    bool IsControlEnabled(int control) const override { return !disabled.contains(control); }
    std::string ControlText(int control) const override {
        auto it = texts.find(control);
        return it == texts.end() ? std::string() : it->second;
    }
    void PostEvent(int control, int event) override { posted.emplace_back(control, event); }
    int RuntimePopup(std::string_view text, std::optional<int> x, std::optional<int> y) override {
        shown = std::string(text);
        shownAt = {x, y};
        return answer;
    }

    std::map<int, bool> disabled;
    std::map<int, std::string> texts;
    std::vector<std::pair<int, int>> posted;
    std::string shown;
    std::pair<std::optional<int>, std::optional<int>> shownAt;
    int answer = 0;
};

class PopupManagerTest : public testing::Test {
  protected:
    FakeHost host;
    PopupManager menu{host};

    std::vector<std::string> Names() const {
        std::vector<std::string> out;
        for (const PopupItem& item : menu.Items()) out.push_back(item.NAME);
        return out;
    }
};

TEST_F(PopupManagerTest, ItemNamesFromTexts) {
    const std::pair<const char*, const char*> cases[] = {
        {"&Zoom 50%", "Zoom50"},
        {"-", "Separator"},
        {"-", "Separator1"},
        {"Zoom 50", "Zoom501"},
        {"%%", ""},
        {"!!", "1"},
        {"?", "2"},
    };
    for (auto [text, name] : cases) {
        EXPECT_EQ(menu.MakeItemName(text), name) << text;
        menu.AddItem(text, menu.MakeItemName(text));
    }
}

TEST_F(PopupManagerTest, LongNamesStayWithin32AndUnique) {
    const std::string text(40, 'a');
    for (int i = 0; i < 12; ++i) {
        std::string name = menu.MakeItemName(text);
        EXPECT_LE(name.size(), 32u);
        EXPECT_FALSE(menu.ItemExists(name)) << name;
        menu.AddItem(text, name);
    }
    EXPECT_EQ(menu.Items()[0].NAME, std::string(32, 'a'));
    EXPECT_EQ(menu.Items()[1].NAME, std::string(31, 'a') + "1");
    EXPECT_EQ(menu.Items()[11].NAME, std::string(30, 'a') + "11");
}

TEST_F(PopupManagerTest, AddAfterInsertsAndRenumbers) {
    menu.AddItem("A", "A");
    menu.AddItem("C", "C");
    menu.AddItemAfter("B", "B", "A");
    menu.AddItemAfter("D", "D", "missing");
    EXPECT_EQ(Names(), (std::vector<std::string>{"A", "B", "C", "D"}));
    for (std::size_t i = 0; i < menu.Items().size(); ++i) {
        EXPECT_EQ(menu.Items()[i].POSITIONAL, i + 1);
    }
}

TEST_F(PopupManagerTest, CheckMarks) {
    menu.AddItem("Zoom", "Zoom");
    menu.AddItem("-", "Separator");
    menu.SetItemCheck("Zoom", true);
    EXPECT_EQ(menu.Items()[0].TEXT, "+Zoom");
    menu.SetItemCheck("Zoom", false);
    EXPECT_EQ(menu.Items()[0].TEXT, "-Zoom");
    menu.SetItemCheck("Separator", true);
    menu.SetItemCheck("Nothing", true);
    EXPECT_EQ(menu.Items()[1].TEXT, "-");
    EXPECT_EQ(menu.BuildMenuText(), "|-Zoom|-");
}

TEST_F(PopupManagerTest, MimicItemFollowsItsControlAndAcceptsIt) {
    host.texts[5] = "&Print";
    host.disabled[5] = true;
    const std::string name = menu.AddMimicItem("Print it", 5);
    EXPECT_EQ(name, "Printit");
    EXPECT_EQ(menu.BuildMenuText(), "|~&Print");
    host.disabled.clear();
    EXPECT_EQ(menu.BuildMenuText(), "|&Print");
    host.answer = 1;
    EXPECT_EQ(menu.Ask(), "Printit");
    EXPECT_EQ(host.posted, (std::vector<std::pair<int, int>>{{5, PopupManager::kEventAccepted}}));
    EXPECT_EQ(host.shownAt.first, std::nullopt);
    // The same name again updates the existing item.
    EXPECT_EQ(menu.AddMimicItem("Printit", 6), "Printit");
    EXPECT_EQ(menu.Items().size(), 1u);
    EXPECT_EQ(menu.Items()[0].CONTROLID, 6);
}

TEST_F(PopupManagerTest, EventItemPostsItsEventAndDismissPostsNothing) {
    menu.AddEventItem("Close", 513, 0);
    menu.AddItem("Plain", "Plain");
    host.answer = 2;
    EXPECT_EQ(menu.Ask(10, 20), "Plain");
    EXPECT_TRUE(host.posted.empty());
    EXPECT_EQ(host.shownAt, (std::pair<std::optional<int>, std::optional<int>>{10, 20}));
    host.answer = 0;
    EXPECT_EQ(menu.Ask(), "");
    EXPECT_EQ(menu.LastSelection(), "");
    host.answer = 1;
    menu.Ask();
    EXPECT_EQ(host.posted, (std::vector<std::pair<int, int>>{{0, 513}}));
}

// Menu texts and the numbering of command items through submenus.
TEST_F(PopupManagerTest, SubmenusSeparatorsAndChoices) {
    struct Item {
        const char* text;
        const char* name;
        int depth;
    };
    const Item items[] = {{"A", "A", 1}, {"-", "S", 1}, {"Sub", "Sub", 1},
                          {"B", "B", 2}, {"C", "C", 2}, {"D", "D", 1}};
    for (const Item& item : items) menu.AddItem(item.text, item.name, item.depth);
    EXPECT_EQ(menu.BuildMenuText(), "|A|-|Sub{B|C}D");
    const std::pair<int, const char*> choices[] = {{0, ""},  {1, "A"}, {2, "B"},
                                                   {3, "C"}, {4, "D"}, {5, ""}};
    for (auto [number, name] : choices) EXPECT_EQ(menu.ChoiceName(number), name) << number;
}

TEST_F(PopupManagerTest, DeepJumpsWriteOneBracePerLevel) {
    menu.AddItem("Top", "Top", 1);
    menu.AddItem("Deep", "Deep", 3);
    menu.AddItem("Back", "Back", 1);
    const std::string text = menu.BuildMenuText();
    EXPECT_EQ(text, "|Top{{Deep}}Back");
    EXPECT_EQ(std::count(text.begin(), text.end(), '{'), std::count(text.begin(), text.end(), '}'));
    EXPECT_EQ(menu.ChoiceName(1), "Deep");
    EXPECT_EQ(menu.ChoiceName(2), "Back");
}

}  // namespace
}  // namespace printing
