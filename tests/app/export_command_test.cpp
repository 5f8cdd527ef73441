#include "app/export_command.h"

#include <gtest/gtest.h>

namespace {

TEST(ExportDctCommand, CarriesBothPathsBare) {
    EXPECT_EQ(app::ExportDctCommand("/data/ORDERS.DCT", "/home/u/Temp.TXD"),
              "[ExportDct(/data/ORDERS.DCT,/home/u/Temp.TXD)]");
}

TEST(IsCommandSafePath, RefusesWhatTheIdeWouldReadDifferently) {
    for (const char* path : {"", "/a b/X.DCT", "/a\tb", "/a,b", "/a(b", "/a)b", "/a[b", "/a]b",
                             "/a\"b", "/a'b", "/a\nb", "/a\x7f"}) {
        EXPECT_FALSE(app::IsCommandSafePath(path)) << path;
    }
}

TEST(IsCommandSafePath, AcceptsOrdinaryPaths) {
    for (const char* path :
         {"/data/ORDERS.DCT", "ORDERS.dct", "/x/v2-final_~+#&=@!.DCT", "/home/\xE9t\xE9/A.DCT"}) {
        EXPECT_TRUE(app::IsCommandSafePath(path)) << path;
    }
}

}  // namespace
