#include "workflow/lint_groups.h"

#include <gtest/gtest.h>

#include "dictionary/labels.h"

namespace {

std::string Faults(std::string_view text) {
    std::string shown;
    for (const workflow::GroupFault& fault : workflow::UnbalancedGroups(text))
        shown += fault.object + ":" + std::to_string(fault.line) + ": " + fault.message + "\n";
    return shown;
}

TEST(UnbalancedGroups, CountsEveryOpeningAgainstItsEnd) {
    struct Case {
        const char* name;
        std::string text;
        std::string faults;
    };
    const std::string head = "[DICTIONARY]\r\nVERSION 1\r\n[FILES]\r\n";
    const std::vector<Case> cases = {
        {"balanced, CR LF",
         head + "A FILE\r\nR RECORD\r\nG GROUP\r\nX LONG\r\n END\r\n END\r\n END\r\n", ""},
        {"annotations between",
         head + "[LONGDESC]\n!x\nA FILE\n!!> IDENT(1)\nR RECORD\n END\n END\n", ""},
        {"a GROUP short",
         head + "A FILE\nR RECORD\nG GROUP\nX LONG\n END\n END\nB FILE\nR RECORD\n END\n END\n",
         "A:4: a GROUP lacks its END (last GROUP opened: G): 1 END is missing\n"},
        {"two short at the end", head + "A FILE\nR RECORD\nG GROUP\nH GROUP\n END\n END\n",
         "A:4: a GROUP lacks its END (last GROUP opened: H): 2 ENDs are missing\n"},
        {"no groups", head + "A FILE\nR RECORD\n END\n[ALIASES]\n",
         "A:4: the FILE or its RECORD lacks its END: 1 END is missing\n"},
        {"one END too many", head + "A FILE\nR RECORD\n END\n END\n END\n",
         "A:4: an END without a GROUP on line 8\n"},
        {"before any file", head + " END\nA FILE\n END\n", "line 4:4: an END without a GROUP\n"},
        {"relations' ENDs are theirs",
         head + "A FILE\n END\n[RELATIONS]\n RELATION,1:MANY\n END\n END\n", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(Faults(c.text), c.faults) << c.name;
}

TEST(Labels, ReferencesNameTheirLabelWithoutPrefixSignOrSubscript) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"CUS:CustNo", "CustNo"},
        {"-CUS:City", "City"},
        {"+Name", "Name"},
        {"CUS:Street[2]  ", "Street"},
        {"  Plain  ", "Plain"},
        {"A:B:C", "C"},
        {"", ""},
    };
    for (const auto& [reference, label] : cases)
        EXPECT_EQ(dictionary::Unqualified(reference), label);
    EXPECT_EQ(dictionary::LabelKey("CustNo   "), "CustNo");
    EXPECT_EQ(dictionary::FoldedLabel("CustNo   "), "custno");
    EXPECT_EQ(dictionary::FoldedLabel("Caf\xC9"), "caf\xC9");  // only ASCII letters fold
}

}  // namespace
