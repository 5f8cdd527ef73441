// The line each finding names: that of its object's declaration, or of the
// relation's side or pair at fault.
#include <gtest/gtest.h>

#include "tests/workflow/workflow_models.h"
#include "workflow/lint.h"
#include "workflow/lint_report.h"

namespace {

using namespace workflow_test;

// The 1-based line of the `nth` line (0 the first) of `text` that starts with `start`.
std::size_t LineStarting(const std::string& text, const std::string& start, int nth = 0) {
    std::size_t number = 1;
    for (std::size_t at = 0; at < text.size(); ++number) {
        if (text.compare(at, start.size(), start) == 0 && nth-- == 0) return number;
        const std::size_t end = text.find('\n', at);
        at = end == std::string::npos ? text.size() : end + 1;
    }
    return 0;
}

struct LineCase {
    const char* name;
    std::string exportText;
    const char* rule;
    const char* object;
    std::string lineStart;  // the line the finding names starts so
    int nth = 0;            // which line starting so
};

TEST(LintLines, EachFindingNamesTheLineOfItsObjectsDeclaration) {
    const std::string sound = SoundExport();
    const std::string customer = kCustomerFile;
    const std::string withGroup =
        Replaced(customer, "Name                     STRING(30)\n",
                 "Address                  GROUP,PRE()\nStreet                     STRING(20)\n");
    const std::string pairs = "                           FIELD(";
    const std::vector<LineCase> cases = {
        {"file", Export(customer + Replaced(kOrdersFile, ",PRIMARY", "")), "no-primary-key",
         "Orders", "Orders  "},
        {"a file's label used again", Export(customer + kOrdersFile + kOrdersFile),
         "duplicate-label", "Orders", "Orders  ", 1},
        {"field",
         Export(Replaced(customer, "Name                     STRING", "9Name STRING") +
                kOrdersFile),
         "invalid-label", "9Name", "9Name "},
        {"a field's label used again",
         Export(Replaced(customer, "Name                     STRING(30)\n",
                         "Name                     STRING(30)\nName STRING(9)\n") +
                kOrdersFile),
         "duplicate-label", "Customer.Name", "Name ", 1},
        {"key", Export(Replaced(customer, "KEY(CUS:Name)", "KEY(CUS:Surname)") + kOrdersFile),
         "key-missing-field", "Customer.KeyName", "KeyName "},
        {"index",
         Export(Replaced(customer, "Record ", "ByCity INDEX(CUS:City)\nRecord ") + kOrdersFile),
         "key-missing-field", "Customer.ByCity", "ByCity "},
        {"alias", Export(customer + kOrdersFile, "Ghost ALIAS(Missing),PRE(GHO)\n"),
         "alias-missing-file", "Ghost", "Ghost "},
        {"GROUP without its END", Export(withGroup + kOrdersFile), "unbalanced-group", "Customer",
         "Customer "},
        {"END before any file", Export("  END\n" + customer), "unbalanced-group", "line 4",
         "  END"},
        {"relation's file side",
         Replaced(sound, "Customer               FILE(", "Invoices               FILE("),
         "relation-missing-file", "Relation Invoices->Orders", "Invoices "},
        {"relation's related side",
         Replaced(sound, "RELATED_FILE(ORD:KeyCust)", "RELATED_FILE(ORD:KeyX)"),
         "relation-missing-key", "Relation Customer->Orders", "Orders                 RELATED"},
        {"pair of the file's list",
         Replaced(sound, "FIELD(CUS:CustNo,ORD:CustNo)", "FIELD(CUS:CustNum,ORD:CustNo)"),
         "relation-missing-field", "Relation Customer->Orders", pairs},
        {"pair of the related file's list",
         Replaced(sound, "FIELD(ORD:CustNo,CUS:CustNo)", "FIELD(ORD:CustNum,CUS:CustNo)"),
         "relation-missing-field", "Relation Customer->Orders", pairs, 1},
        {"the second relation of the same two files",
         Export(customer + kOrdersFile, kAliases,
                kRelation + Replaced(kRelation, "FIELD(CUS:CustNo,ORD:CustNo)",
                                     "FIELD(CUS:CustNum,ORD:CustNo)")),
         "relation-missing-field", "Relation Customer->Orders", pairs, 2},
    };
    for (const LineCase& c : cases) {
        SCOPED_TRACE(c.name);
        auto parsed = ParseExport(c.exportText);
        const std::size_t expected = LineStarting(c.exportText, c.lineStart, c.nth);
        ASSERT_NE(expected, 0u);
        bool found = false;
        for (const workflow::Finding& finding : workflow::Lint(parsed->model, parsed->text, {})) {
            if (finding.rule != c.rule || finding.object != c.object) continue;
            found = true;
            EXPECT_EQ(finding.line, expected) << finding.message;
        }
        EXPECT_TRUE(found) << c.rule << " did not name " << c.object;
    }
}

// A finding whose line is not known names none.
TEST(LintLines, AFindingWithoutALineNamesNone) {
    const std::vector<workflow::Finding> findings = {{"duplicate-label", workflow::Severity::Error,
                                                      "Orders", 0, "the label of file Orders too"}};
    EXPECT_EQ(workflow::FindingsText("A.TXD", findings),
              "A.TXD: Orders: duplicate-label: the label of file Orders too\n");
    EXPECT_EQ(workflow::FindingsGithub("A.TXD", findings),
              "::error file=A.TXD,title=duplicate-label::Orders: the label of file Orders too\n");
    EXPECT_EQ(workflow::FindingsJson(findings).find("\"line\""), std::string::npos);
    EXPECT_EQ(workflow::FindingsSarif("A.TXD", findings).find("\"region\""), std::string::npos);
}

}  // namespace
