#include <gtest/gtest.h>

#include "tests/workflow/workflow_models.h"
#include "workflow/lint.h"

namespace {

using namespace workflow_test;

std::string WithFiles(const std::string& customer, const std::string& orders = kOrdersFile) {
    return Export(customer + orders);
}

struct RuleCase {
    const char* name;
    std::string exportText;
    const char* rule;
    const char* object;  // the finding's object; "" when the rule must not fire
    bool requireDescriptions = false;
};

std::vector<RuleCase> Cases() {
    const std::string sound = SoundExport();
    const std::string customer = kCustomerFile;
    return {
        {"alias of a missing file",
         Export(customer + kOrdersFile, "Ghost ALIAS(Missing),PRE(GHO)\n"), "alias-missing-file",
         "Ghost"},
        {"alias of a file in other case",
         Export(customer + kOrdersFile, "Ship ALIAS(CUSTOMER),PRE(SHX)\n"), "alias-missing-file",
         ""},
        {"relation to a missing file",
         Replaced(sound, "Orders                 RELATED_FILE",
                  "Invoices               RELATED_FILE"),
         "relation-missing-file", "Relation Customer->Invoices"},
        {"relation through an alias",
         Replaced(sound, "Customer               FILE(", "ShipTo                 FILE("),
         "relation-missing-file", ""},
        {"relation names a missing key",
         Replaced(sound, "RELATED_FILE(ORD:KeyCust)", "RELATED_FILE(ORD:KeyCustomer)"),
         "relation-missing-key", "Relation Customer->Orders"},
        {"relation key in other case",
         Replaced(sound, "RELATED_FILE(ORD:KeyCust)", "RELATED_FILE(ORD:KEYCUST)"),
         "relation-missing-key", ""},
        {"pair names a missing field",
         Replaced(sound, "FIELD(CUS:CustNo,ORD:CustNo)", "FIELD(CUS:CustNum,ORD:CustNo)"),
         "relation-missing-field", "Relation Customer->Orders"},
        {"NOLINK pairs",
         Replaced(sound, "FIELD(CUS:CustNo,ORD:CustNo)", "FIELD(NOLINK,ORD:CustNo)"),
         "relation-missing-field", ""},
        {"key component names no field",
         WithFiles(Replaced(customer, "KEY(CUS:Name)", "KEY(CUS:Surname)")), "key-missing-field",
         "Customer.KeyName"},
        {"descending component", WithFiles(Replaced(customer, "KEY(CUS:Name)", "KEY(-CUS:Name)")),
         "key-missing-field", ""},
        {"two files of one label",
         Export(customer +
                Replaced(kOrdersFile, "Orders               FILE", "CUSTOMER             FILE")),
         "duplicate-label", "CUSTOMER"},
        {"two fields of one label",
         WithFiles(Replaced(customer, "Name                     STRING(30)",
                            "CUSTNO                   STRING(30)")),
         "duplicate-label", "Customer.CUSTNO"},
        {"two keys of one label", WithFiles(Replaced(customer, "KeyName  ", "KEYCUSTNO")),
         "duplicate-label", "Customer.KEYCUSTNO"},
        {"one label in two groups of their own prefix",
         WithFiles(Replaced(customer, "Name                     STRING(30)\n",
                            "Home                     GROUP,PRE(HOM)\nStreet                     "
                            "STRING(20)\n                         END\n"
                            "Work                     GROUP,PRE(WRK)\nStreet                     "
                            "STRING(20)\n                         END\n")),
         "duplicate-label", ""},
        {"alias shares a prefix",
         Export(customer + kOrdersFile, "ShipTo ALIAS(Customer),PRE(ORD)\n"), "duplicate-prefix",
         "ShipTo"},
        {"GROUP without its END",
         WithFiles(Replaced(
             customer, "Name                     STRING(30)\n",
             "Address                  GROUP,PRE()\nStreet                     STRING(20)\n")),
         "unbalanced-group", "Customer"},
        {"END without a GROUP",
         WithFiles(Replaced(customer, "Name                     STRING(30)\n",
                            "Name                     STRING(30)\n                         END\n")),
         "unbalanced-group", "Customer"},
        {"nested groups closed",
         WithFiles(Replaced(customer, "Name                     STRING(30)\n",
                            "A                        GROUP\nB                          GROUP\n"
                            "C                            LONG\n                           END\n"
                            "                         END\n")),
         "unbalanced-group", ""},
        {"keys without a primary one", Export(customer + Replaced(kOrdersFile, ",PRIMARY", "")),
         "no-primary-key", "Orders"},
        {"an ASCII file keeps no keys",
         Export(customer + kOrdersFile +
                "Log FILE,DRIVER('ASCII'),PRE(LOG)\nRecord RECORD\nLine STRING(80)\n END\n END\n"),
         "no-primary-key", ""},
        {"pair of LONG and STRING",
         Replaced(sound,
                  "CustNo                   LONG\n                       END\n                     "
                  "END\n",
                  "CustNo                   STRING(10)\n                       END\n               "
                  "      END\n"),
         "pair-type-mismatch", "Relation Customer->Orders"},
        {"field without a description", sound, "missing-description", "Customer.CustNo", true},
        {"descriptions not required", sound, "missing-description", ""},
    };
}

TEST(LintRules, EachRuleFiresOnItsFaultAndOnlyThere) {
    for (const RuleCase& c : Cases()) {
        SCOPED_TRACE(c.name);
        auto parsed = ParseExport(c.exportText);
        workflow::LintOptions options;
        options.requireDescriptions = c.requireDescriptions;
        std::vector<std::string> objects;
        for (const workflow::Finding& finding :
             workflow::Lint(parsed->model, parsed->text, options)) {
            if (finding.rule == c.rule) objects.push_back(finding.object);
        }
        if (std::string(c.object).empty()) {
            EXPECT_TRUE(objects.empty()) << objects.front();
        } else {
            EXPECT_NE(std::find(objects.begin(), objects.end(), c.object), objects.end())
                << c.rule << " did not name " << c.object;
        }
    }
}

TEST(LintRules, ASoundDictionaryIsCleanAndFindingsAreSortedDisabledAndJson) {
    auto sound = ParseExport(SoundExport());
    EXPECT_TRUE(workflow::Lint(sound->model, sound->text, {}).empty());

    auto broken = ParseExport(Replaced(Replaced(SoundExport(), "KEY(CUS:Name)", "KEY(CUS:Surname)"),
                                       "RELATED_FILE(ORD:KeyCust)", "RELATED_FILE(ORD:KeyX)"));
    auto findings = workflow::Lint(broken->model, broken->text, {});
    ASSERT_EQ(findings.size(), 2u);
    EXPECT_EQ(
        workflow::FindingsText(findings),
        "Customer.KeyName: key-missing-field: key component Surname names no field of Customer\n"
        "Relation Customer->Orders: relation-missing-key: Orders has no key KeyX\n");
    EXPECT_EQ(workflow::FindingsJson({findings[1]}),
              "[\n  {\"rule\": \"relation-missing-key\", \"severity\": \"error\", \"object\": "
              "\"Relation Customer->Orders\", \"message\": \"Orders has no key KeyX\"}\n]\n");

    workflow::LintOptions options;
    options.disabled.insert("key-missing-field");
    EXPECT_EQ(workflow::Lint(broken->model, broken->text, options).size(), 1u);
    EXPECT_EQ(workflow::FindLintRule("no-such-rule"), nullptr);
}

}  // namespace
