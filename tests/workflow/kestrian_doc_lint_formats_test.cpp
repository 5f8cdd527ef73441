// kestrian-doc lint in each format on one small export whose labels and
// messages hold Windows-1252 bytes, a control byte and the characters the
// formats reserve, named by a path that holds them too.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "runtime/core/version.h"
#include "tests/support/tool_run.h"
#include "tests/workflow/workflow_models.h"
#include "workflow/lint.h"

namespace {

using dict_test::RunToolIn;
using dict_test::TempFolder;
using dict_test::WriteBytes;
using namespace workflow_test;

const std::string kTool = KESTRIAN_DOC_PATH;
const std::string kPath = "a%b,c:d.TXD";
// Two of the findings' messages, as every format shows them.
const std::string kNoFile = "names file Missing, which the dictionary does not have";
const std::string kInvalid =
    "a label starts with a letter or underscore and holds only letters, digits, underscores and "
    "colons";

struct HostileExport {
    TempFolder folder;
    HostileExport() {
        WriteBytes(folder.File(kPath), Export(kCustomerFile + Replaced(kOrdersFile, ",PRIMARY", ""),
                                              "Caf\xE9 ALIAS(Missing),PRE(CAF)\n",
                                              Replaced(kRelation, "RELATED_FILE(ORD:KeyCust)",
                                                       "RELATED_FILE(ORD:K%\x01)")));
    }
    dict_test::ToolRun Lint(const std::string& format) const {
        return RunToolIn(kTool, folder, "lint 'a%b,c:d.TXD' " + format);
    }
};

TEST(KestrianDocLintFormats, TextAndGithubNameFileLineAndEscapeWhatTheyReserve) {
    const HostileExport hostile;
    const auto text = hostile.Lint("");
    EXPECT_EQ(text.exitCode, 1);
    EXPECT_EQ(text.out,
              "a%b,c:d.TXD:22: Caf\u00e9: alias-missing-file: " + kNoFile +
                  "\na%b,c:d.TXD:22: Caf\u00e9: invalid-label: " + kInvalid +
                  "\n"
                  "a%b,c:d.TXD:12: Orders: no-primary-key: has no primary key\n"
                  "a%b,c:d.TXD:27: Relation Customer->Orders: relation-missing-key: Orders has no "
                  "key K%^A\n");
    EXPECT_EQ(hostile.Lint("--format text").out, text.out);
    const auto github = hostile.Lint("--format github");
    EXPECT_EQ(github.exitCode, 1);
    EXPECT_EQ(
        github.out,
        "::error file=a%25b%2Cc%3Ad.TXD,line=22,title=alias-missing-file::Caf\u00e9: " + kNoFile +
            "\n::error file=a%25b%2Cc%3Ad.TXD,line=22,title=invalid-label::Caf\u00e9: " + kInvalid +
            "\n"
            "::warning file=a%25b%2Cc%3Ad.TXD,line=12,title=no-primary-key::Orders: has no "
            "primary key\n"
            "::error file=a%25b%2Cc%3Ad.TXD,line=27,title=relation-missing-key::Relation "
            "Customer->Orders: Orders has no key K%25^A\n");
}

// JSON and SARIF as Node.js parses them; the SARIF log valid by the SARIF
// 2.1.0 JSON schema (tests/node's packages, which scripts/setup.sh installs).
TEST(KestrianDocLintFormats, JsonAndSarifParseToTheFindingsAndSarifFollowsItsSchema) {
    const std::string checks = std::string(KESTRIAN_SOURCE_DIR) + "/tests/node";
    if (std::system("command -v node >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "Node.js is not installed";
    if (!std::filesystem::exists(checks + "/node_modules/@datadog/datadog-ci-plugin-sarif"))
        GTEST_SKIP() << "tests/node's packages are not installed (scripts/setup.sh runs npm ci)";
    const HostileExport hostile;
    for (const char* format : {"json", "sarif"}) {
        const auto run = hostile.Lint(std::string("--format ") + format);
        EXPECT_EQ(run.exitCode, 1);
        WriteBytes(hostile.folder.File(format), run.out);
    }
    EXPECT_EQ(hostile.Lint("--json").out, dict_test::ReadBytes(hostile.folder.File("json")));
    auto parsed = [&](const std::string& format) {
        return RunToolIn("node", hostile.folder,
                         checks + "/lint_output.js " + format + " " + format);
    };

    const auto json = parsed("json");
    ASSERT_EQ(json.exitCode, 0) << json.err;
    const std::string keys = "rule,severity,object,line,message | ";
    EXPECT_EQ(json.out,
              keys + "alias-missing-file | error | Caf\u00e9 | 22 | " + kNoFile + "\n" + keys +
                  "invalid-label | error | Caf\u00e9 | 22 | " + kInvalid + "\n" + keys +
                  "no-primary-key | warning | Orders | 12 | has no primary key\n" + keys +
                  "relation-missing-key | error | Relation Customer->Orders | 27 | Orders has no "
                  "key K%\x01\n");

    const auto sarif = parsed("sarif");
    ASSERT_EQ(sarif.exitCode, 0) << sarif.err;
    std::string rules;
    for (const workflow::LintRule& rule : workflow::LintRules())
        rules += (rules.empty() ? "" : ",") + std::string(rule.name);
    const std::string uri = " | a%25b%2Cc%3Ad.TXD | ";
    EXPECT_EQ(sarif.out, "https://json.schemastore.org/sarif-2.1.0.json | 2.1.0 | kestrian-doc | " +
                             std::string(rt::ProgramVersion()) + "\n" + rules + "\n" +
                             "alias-missing-file | error" + uri + "22 | Caf\u00e9: " + kNoFile +
                             "\ninvalid-label | error" + uri + "22 | Caf\u00e9: " + kInvalid +
                             "\n" + "no-primary-key | warning" + uri +
                             "12 | Orders: has no primary key\n" + "relation-missing-key | error" +
                             uri + "27 | Relation Customer->Orders: Orders has no key K%\x01\n");
}

}  // namespace
