#include "workflow/dictionary_text.h"

#include <gtest/gtest.h>

#include "tests/workflow/workflow_models.h"

namespace {

using namespace workflow_test;

// Each line names its object whole; Windows-1252 comes out as UTF-8 and
// control bytes as cat -v shows them; the path the export was read from
// is left out.
TEST(DictionaryText, ALineAnObjectInUtf8WithControlBytesShown) {
    auto parsed = ParseExport(
        "[DESCRIPTION]\n!Caf\xE9 data\n" +
        Export("[LONGDESC]\n!Bell\x07 here\nCaf\xE9 FILE,DRIVER('DOS'),PRE(C)\n!!> IDENT(1)\n"
               "Record RECORD\nX\x1B LONG\n!!> IDENT(2),PROMPT('&X:')\n END\n END\n",
               "", ""));
    EXPECT_EQ(workflow::DictionaryText(parsed->model),
              "DESCRIPTION: Caf\xC3\xA9 data\n"
              "Caf\xC3\xA9 FILE,DRIVER('DOS'),PRE(C)\n"
              "Caf\xC3\xA9 description: Bell^G here\n"
              "Caf\xC3\xA9.X^[ LONG,PROMPT('&X:')\n");
}

}  // namespace
