#include <gtest/gtest.h>

#include "tests/workflow/workflow_models.h"
#include "workflow/lint.h"
#include "workflow/lint_report.h"

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
    // Name in a GROUP of its own prefix.
    const std::string grouped =
        Replaced(customer, "Name                     STRING(30)\n",
                 "Address                  GROUP,PRE(ADR)\nName                       STRING(30)\n"
                 "                         END\n");
    const std::string oddLabel = Export(
        customer + kOrdersFile +
        "Odd(1)x              FILE,DRIVER('DOS'),PRE(ODD)\nRecord RECORD\nA LONG\n END\n END\n");
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
        {"relation to a file in other case",
         Replaced(sound, "Customer               FILE(", "CUSTOMER               FILE("),
         "label-case-mismatch", "Relation CUSTOMER->Orders"},
        {"alias of a file in other case, told",
         Export(customer + kOrdersFile, "Ship ALIAS(CUSTOMER),PRE(SHX)\n"), "label-case-mismatch",
         "Ship"},
        {"key component in other case",
         WithFiles(Replaced(customer, "KEY(CUS:Name)", "KEY(CUS:NAME)")), "label-case-mismatch",
         "Customer.KeyName"},
        {"pair field in other case",
         Replaced(sound, "FIELD(CUS:CustNo,ORD:CustNo)", "FIELD(CUS:custno,ORD:CustNo)"),
         "label-case-mismatch", "Relation Customer->Orders"},
        {"a sound dictionary has no case mismatch", sound, "label-case-mismatch", ""},
        {"pair field of another prefix",
         Replaced(sound, "FIELD(CUS:CustNo,ORD:CustNo)", "FIELD(XYZ:CustNo,ORD:CustNo)"),
         "prefix-mismatch", "Relation Customer->Orders"},
        {"key component of another prefix",
         WithFiles(Replaced(customer, "KEY(CUS:Name)", "KEY(XYZ:Name)")), "prefix-mismatch",
         "Customer.KeyName"},
        {"relation key of another prefix",
         Replaced(sound, "RELATED_FILE(ORD:KeyCust)", "RELATED_FILE(XYZ:KeyCust)"),
         "prefix-mismatch", "Relation Customer->Orders"},
        {"group member by the file's prefix", WithFiles(grouped), "prefix-mismatch",
         "Customer.KeyName"},
        {"group member by its group's prefix",
         WithFiles(Replaced(grouped, "KEY(CUS:Name)", "KEY(ADR:Name)")), "prefix-mismatch", ""},
        {"relation through an alias by the alias's prefix",
         Replaced(Replaced(sound,
                           "Customer               FILE(CUS:", "ShipTo                 FILE(SHP:"),
                  "FIELD(CUS:CustNo,ORD:CustNo)", "FIELD(SHP:CustNo,ORD:CustNo)"),
         "prefix-mismatch", ""},
        {"a sound dictionary has no prefix mismatch", sound, "prefix-mismatch", ""},
        {"label with a parenthesis", oddLabel, "invalid-label", "Odd(1)x"},
        {"the structure of a file whose label holds a parenthesis", oddLabel, "unbalanced-group",
         ""},
        {"label that starts with a digit",
         WithFiles(Replaced(customer, "Name                     STRING(30)",
                            "9Lives                   STRING(30)")),
         "invalid-label", "9Lives"},
        {"a sound dictionary has valid labels", sound, "invalid-label", ""},
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

TEST(LintRules, ALabelUsedTwiceGivesItsFindingAndNoneFromResolvingToTheOther) {
    const std::string lines =
        "ORDERS               FILE,DRIVER('SQLITE'),PRE(LIN)\n"
        "KeyLine                KEY(LIN:LineNo),PRIMARY\n"
        "Record                 RECORD,PRE()\n"
        "LineNo                   LONG\n"
        "                       END\n"
        "                     END\n";
    const std::string relation =
        "                     RELATION,1:MANY\n"
        "Orders                 FILE(ORD:KeyOrderNo)\n"
        "ORDERS                 RELATED_FILE(LIN:KeyLine)\n"
        "                         FILE_TO_RELATED_KEY\n"
        "                           FIELD(ORD:OrderNo,LIN:LineNo)\n"
        "                         END\n"
        "                       END\n";
    // A label used again in another case, and the very same label again.
    for (const std::string& second : {lines, Replaced(lines, "ORDERS   ", "Orders   ")}) {
        const std::string related =
            second.starts_with("ORDERS") ? relation : Replaced(relation, "ORDERS   ", "Orders   ");
        auto parsed = ParseExport(Export(kCustomerFile + std::string(kOrdersFile) + second,
                                         kAliases, std::string(kRelation) + related));
        const auto findings = workflow::Lint(parsed->model, parsed->text, {});
        ASSERT_EQ(findings.size(), 1u) << workflow::FindingsText("TEST.TXD", findings);
        EXPECT_EQ(findings.front().rule, "duplicate-label");
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
        workflow::FindingsText("TEST.TXD", findings),
        "TEST.TXD:6: Customer.KeyName: key-missing-field: key component Surname names no field of "
        "Customer\n"
        "TEST.TXD:27: Relation Customer->Orders: relation-missing-key: Orders has no key KeyX\n");
    EXPECT_EQ(workflow::FindingsJson({findings[1]}),
              "[\n  {\"rule\": \"relation-missing-key\", \"severity\": \"error\", \"object\": "
              "\"Relation Customer->Orders\", \"line\": 27, \"message\": \"Orders has no key "
              "KeyX\"}\n]\n");

    workflow::LintOptions options;
    options.disabled.insert("key-missing-field");
    EXPECT_EQ(workflow::Lint(broken->model, broken->text, options).size(), 1u);
    EXPECT_EQ(workflow::FindLintRule("no-such-rule"), nullptr);
}

}  // namespace
