#include "app/program_arguments.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

using Action = app::ProgramArguments::Action;

TEST(ProgramArguments, NothingOneFileHelpVersionAndWhatIsRefused) {
    struct Case {
        std::vector<std::string_view> words;
        Action action;
        std::string said;  // part of the text, or the dictionary for Run
    };
    const std::string here = std::filesystem::current_path().string();
    const std::vector<Case> cases = {
        {{}, Action::Run, ""},
        {{"/data/ORDERS.TXD"}, Action::Run, "/data/ORDERS.TXD"},
        {{"SALES.DCT"}, Action::Run, here + "/SALES.DCT"},
        {{"sub/../A.TXD"}, Action::Run, here + "/A.TXD"},
        {{"--help"}, Action::Show, "Usage: kestrian [OPTIONS] [FILE]"},
        {{"-h"}, Action::Show, "--version"},
        {{"--version"}, Action::Show, "kestrian 0.1\n"},
        {{"A.TXD", "B.TXD"},
         Action::Refuse,
         "kestrian: The following argument was not expected: B.TXD"},
        {{"--bogus"}, Action::Refuse, "kestrian: The following argument was not expected: --bogus"},
        {{"-x"}, Action::Refuse, "usage: kestrian [FILE.TXD | FILE.DCT]"},
    };
    for (const Case& c : cases) {
        std::string shown;
        for (std::string_view word : c.words) shown += std::string(word) + " ";
        const app::ProgramArguments read = app::ReadProgramArguments(c.words);
        EXPECT_EQ(read.action, c.action) << shown << read.text;
        if (c.action == Action::Run) {
            EXPECT_EQ(read.dictionary, c.said) << shown;
        } else {
            EXPECT_NE(read.text.find(c.said), std::string::npos) << shown << "said:\n" << read.text;
        }
    }
}

}  // namespace
