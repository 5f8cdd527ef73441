// Paper by name, and the default paper from PAPERSIZE and /etc/papersize.
#include "runtime/core/paper_sizes.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include "tests/support/temp_folder.h"

namespace rt {
namespace {

TEST(PaperSizes, NamesInAnyCase) {
    struct Case {
        const char* name;
        int width, height;
    };
    const Case known[] = {{"A4", 8268, 11693}, {"letter", 8500, 11000}, {"LEGAL", 8500, 14000},
                          {"a5", 5827, 8268},  {"A3", 11693, 16535},    {"Executive", 7250, 10500},
                          {"b5", 6929, 9843}};
    for (const Case& c : known) {
        const std::optional<SheetSize> sheet = PaperNamed(c.name);
        ASSERT_TRUE(sheet.has_value()) << c.name;
        EXPECT_EQ(sheet->width, c.width) << c.name;
        EXPECT_EQ(sheet->height, c.height) << c.name;
    }
    for (const char* unknown : {"", "A6", "letterx", "Tabloid"}) {
        EXPECT_FALSE(PaperNamed(unknown).has_value()) << unknown;
    }
}

TEST(PaperSizes, TheDefaultComesFromPapersizeThenTheFileThenA4) {
    dict_test::TempFolder folder;
    const std::string file = folder.File("papersize");
    struct Case {
        const char* variable;  // nullptr: unset
        const char* fileText;  // nullptr: no file
        int width;
    };
    const Case cases[] = {
        {"letter", "a4\n", 8500},
        {nullptr, "# paper\n\n  letter  \n", 8500},
        {"", "a5", 5827},
        {"nonsense", "legal\n", 8500},
        {nullptr, "nonsense", 8268},
        {nullptr, nullptr, 8268},
    };
    const char* saved = std::getenv("PAPERSIZE");
    const std::string before = saved != nullptr ? saved : "";
    for (const Case& c : cases) {
        if (c.variable != nullptr) {
            ::setenv("PAPERSIZE", c.variable, 1);
        } else {
            ::unsetenv("PAPERSIZE");
        }
        std::remove(file.c_str());
        if (c.fileText != nullptr) dict_test::WriteBytes(file, c.fileText);
        EXPECT_EQ(DefaultPaper(file).width, c.width)
            << (c.variable ? c.variable : "(unset)") << " / " << (c.fileText ? c.fileText : "-");
    }
    if (saved != nullptr) {
        ::setenv("PAPERSIZE", before.c_str(), 1);
    } else {
        ::unsetenv("PAPERSIZE");
    }
}

}  // namespace
}  // namespace rt
