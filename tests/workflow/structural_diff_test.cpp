#include "workflow/structural_diff.h"

#include <gtest/gtest.h>

#include "tests/workflow/workflow_models.h"
#include "workflow/sequence_alignment.h"

namespace {

using namespace workflow_test;

std::string DiffText(const std::string& before, const std::string& after,
                     workflow::DiffOptions options = {}) {
    auto one = ParseExport(before);
    auto other = ParseExport(after);
    return workflow::ChangesText(workflow::Diff(one->model, other->model, options));
}

TEST(StructuralDiff, EachKindOfChangeGivesItsLine) {
    const std::string base = SoundExport();
    struct Case {
        const char* name;
        std::string after;
        std::string lines;
    };
    const std::vector<Case> cases = {
        {"the same", base, ""},
        {"field type",
         Replaced(base, "Name                     STRING(30)",
                  "Name                     STRING(40)"),
         "~ Customer.Name: STRING(30) -> STRING(40)\n"},
        {"field added",
         Replaced(
             base, "Name                     STRING(30)\n",
             "Name                     STRING(30)\nEmail                    STRING(60),DIM(2)\n"),
         "+ Customer.Email: STRING(60),DIM(2)\n"},
        {"field removed where it stood",
         Replaced(base, "CustNo                   LONG\nName", "Name"),
         "- Customer.CustNo: LONG\n"},
        {"field moved",
         Replaced(base, "CustNo                   LONG\nName                     STRING(30)\n",
                  "Name                     STRING(30)\nCustNo                   LONG\n"),
         "~ Customer.Name: moved to the start\n"},
        {"picture and valid",
         Replaced(
             base, "Name                     STRING(30)\n",
             "Name                     STRING(30)\n!!> IDENT(3),PICTURE(@s30),VALID(NONZERO)\n"),
         "~ Customer.Name: PICTURE(@s30) added\n~ Customer.Name: VALID(NONZERO) added\n"},
        {"key attributes",
         Replaced(base, "KEY(CUS:Name),DUP,NOCASE", "KEY(CUS:Name,CUS:CustNo),NOCASE,OPT"),
         "~ Customer.KeyName: KEY(Name) -> KEY(Name,CustNo)\n~ Customer.KeyName: OPT added\n"
         "~ Customer.KeyName: DUP removed\n"},
        {"file attributes",
         Replaced(base, "DRIVER('SQLITE'),PRE(CUS),CREATE", "DRIVER('ODBC'),PRE(CUS),RECLAIM"),
         "~ Customer: DRIVER('SQLITE') -> DRIVER('ODBC')\n~ Customer: RECLAIM added\n"
         "~ Customer: CREATE removed\n"},
        {"memo added",
         Replaced(base, "Record                 RECORD,PRE()\nCustNo",
                  "Notes                  MEMO(200)\nRecord                 RECORD,PRE()\nCustNo"),
         "+ Customer.Notes: MEMO(200)\n"},
        {"file and relation removed", Export(kOrdersFile, "", ""),
         "- Customer: FILE,DRIVER('SQLITE'),PRE(CUS),CREATE\n- ShipTo: ALIAS(Customer),PRE(SHP)\n"
         "- Relation Customer->Orders: 1:MANY,FILE(CUS:KeyCustNo),RELATED_FILE(ORD:KeyCust),"
         "FILE_TO_RELATED_KEY(FIELD(CUS:CustNo,ORD:CustNo)),RELATED_FILE_TO_KEY(FIELD(ORD:CustNo,"
         "CUS:CustNo))\n"},
        {"alias changed",
         Export(std::string(kCustomerFile) + kOrdersFile, "ShipTo ALIAS(Orders),PRE(SHP)\n"),
         "~ ShipTo: ALIAS(Customer) -> ALIAS(Orders)\n"},
        {"relation type", Replaced(base, "RELATION,1:MANY", "RELATION,MANY:1"),
         "~ Relation Customer->Orders: 1:MANY -> MANY:1\n"},
        {"a field's label in another case",
         Replaced(base, "Name                     STRING(30)",
                  "NAME                     STRING(30)"),
         "~ Customer.NAME: label case Name -> NAME\n"},
        {"a file's label in another case, its relation too",
         Replaced(Replaced(base, "Customer             FILE", "CUSTOMER             FILE"),
                  "Customer               FILE(", "CUSTOMER               FILE("),
         "~ CUSTOMER: label case Customer -> CUSTOMER\n"
         "~ Relation CUSTOMER->Orders: label case Customer->Orders -> CUSTOMER->Orders\n"},
        {"case kept apart where two labels could pair",
         Replaced(Replaced(base, "CustNo                   LONG\nName",
                           "CUSTNO                   LONG\nName"),
                  "Name                     STRING(30)\n",
                  "Name                     STRING(30)\ncustno                   LONG\n"),
         "- Customer.CustNo: LONG\n+ Customer.CUSTNO: LONG\n+ Customer.custno: LONG\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DiffText(base, c.after), c.lines);
    }
}

TEST(StructuralDiff, HeadersOnlyWithAll) {
    const std::string base = SoundExport();
    const std::string after = Replaced(base, "VERSION '1'", "VERSION '2'");
    EXPECT_EQ(DiffText(base, after), "");
    EXPECT_EQ(DiffText(base, after, {.headers = true}), "~ VERSION: '1' -> '2'\n");
}

// Descriptions and the texts a field shows (PROMPT, HEADER): a description
// is reported by its first differing line, and --ignore-descriptions leaves
// it out but not the texts.
TEST(StructuralDiff, DescriptionsAndFieldTextsGiveTheirLines) {
    // Each declaration before a description closes with its annotation line,
    // as exports have it: the description goes to the declaration after it.
    std::string base = SoundExport();
    for (const char* declaration :
         {"KEY(CUS:CustNo),NOCASE,OPT,PRIMARY\n", "KEY(CUS:Name),DUP,NOCASE\n",
          "CustNo                   LONG\n                       END"}) {
        const std::string line = declaration;
        const std::size_t end = line.find('\n') + 1;
        base = Replaced(base, line, line.substr(0, end) + "!!> IDENT(1)\n" + line.substr(end));
    }
    base = Replaced(base, "CustNo                   LONG\n",
                    "[LONGDESC]\n!Customer number.\n!Given by the shop.\n"
                    "CustNo                   LONG\n!!> IDENT(2),PROMPT('&Number:')\n");
    const std::string longLine = "!Customers who ordered in the last twelve months of trading";
    struct Case {
        const char* name;
        std::string after;
        std::string lines;
        std::string ignoring;  // with ignoreDescriptions
    };
    const std::vector<Case> cases = {
        {"a field's description line", Replaced(base, "!Given by the shop.", "!Given by the till."),
         "~ Customer.CustNo: description changed, line 2: \"Given by the shop.\" -> \"Given by "
         "the till.\"\n",
         ""},
        {"a description line added",
         Replaced(base, "!Given by the shop.\n", "!Given by the shop.\n!Never reused.\n"),
         "~ Customer.CustNo: description changed, line 3: (none) -> \"Never reused.\"\n", ""},
        {"a description removed",
         Replaced(base, "[LONGDESC]\n!Customer number.\n!Given by the shop.\n", ""),
         "~ Customer.CustNo: description removed\n", ""},
        {"blanks around a line are no change",
         Replaced(base, "!Customer number.", "!  Customer number.  "), "", ""},
        {"a file's description added",
         Replaced(base, "Customer             FILE",
                  "[LONGDESC]\n!All customers.\nCustomer             FILE"),
         "~ Customer: description added: \"All customers.\"\n", ""},
        {"a long line shown around its change",
         Replaced(base, "Customer             FILE",
                  "[LONGDESC]\n" + longLine + "\nCustomer             FILE"),
         "~ Customer: description added: \"Customers who ordered in the last twelve...\"\n", ""},
        {"a key's description", Replaced(base, "KeyName", "[LONGDESC]\n!By name.\nKeyName"),
         "~ Customer.KeyName: description added: \"By name.\"\n", ""},
        {"an alias's description",
         Replaced(base, "ShipTo", "[LONGDESC]\n!Where orders go.\nShipTo"),
         "~ ShipTo: description added: \"Where orders go.\"\n", ""},
        {"the dictionary's description",
         Replaced(base, "[FILES]", "[DESCRIPTION]\n!Shop data\n[FILES]"),
         "~ DESCRIPTION: description added: \"Shop data\"\n", ""},
        {"a prompt", Replaced(base, "PROMPT('&Number:')", "PROMPT('&Customer No:')"),
         "~ Customer.CustNo: PROMPT('&Number:') -> PROMPT('&Customer No:')\n",
         "~ Customer.CustNo: PROMPT('&Number:') -> PROMPT('&Customer No:')\n"},
        {"a column header added",
         Replaced(base, "PROMPT('&Number:')", "PROMPT('&Number:'),HEADER('No')"),
         "~ Customer.CustNo: HEADER('No') added\n", "~ Customer.CustNo: HEADER('No') added\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DiffText(base, c.after), c.lines);
        EXPECT_EQ(DiffText(base, c.after, {.ignoreDescriptions = true}), c.ignoring);
    }
    // A changed line far into a long description is shown from a little
    // before the change.
    const std::string described =
        Replaced(base, "Customer             FILE",
                 "[LONGDESC]\n" + longLine + " year.\nCustomer             FILE");
    EXPECT_EQ(DiffText(described, Replaced(described, "trading year.", "trading day.")),
              "~ Customer: description changed, line 1: \"...of trading year.\" -> \"...of trading "
              "day.\"\n");
}

TEST(SequenceAlignment, KeepsNewOrderPlacesRemovedWhereTheyStoodAndFindsMoves) {
    const std::vector<std::string> before = {"a", "b", "c", "d", "e"};
    const std::vector<std::string> after = {"x", "a", "c", "b", "e"};
    std::string shown;
    for (const workflow::Step& step : workflow::Align(before, after)) {
        if (!step.InAfter()) {
            shown += "-" + before[step.before];
        } else if (!step.InBefore()) {
            shown += "+" + after[step.after];
        } else {
            shown += (step.moved ? "~" : "=") + after[step.after];
        }
        shown += ' ';
    }
    // c moved ahead of b; d, gone, stood after c.
    EXPECT_EQ(shown, "+x =a ~c -d =b =e ");
}

}  // namespace

namespace {

using namespace workflow_test;

// Dictionary text is Windows-1252: the lines are UTF-8, control bytes shown
// as cat -v shows them; the JSON escapes them.
TEST(StructuralDiff, LinesAreUtf8AndControlBytesCannotReachTheTerminal) {
    const std::string before =
        Export("Caf\xE9 FILE,PRE(C)\nRecord RECORD\nX\x1B LONG\n END\n END\n", "", "");
    const std::string after = Replaced(before, "X\x1B LONG", "X\x1B SHORT");
    auto one = ParseExport(before);
    auto other = ParseExport(after);
    const auto changes = workflow::Diff(one->model, other->model, {});
    EXPECT_EQ(workflow::ChangesText(changes), "~ Caf\xC3\xA9.X^[: LONG -> SHORT\n");
    EXPECT_EQ(
        workflow::ChangesJson(changes),
        "[\n  {\"change\": \"~\", \"object\": \"Caf\xC3\xA9.X\\u001b\", \"detail\": \"LONG -> "
        "SHORT\"}\n]\n");
}

}  // namespace
