// The program's own events lie above the runtime's and differ one from another.
#include "runtime/core/program_events.h"

#include <gtest/gtest.h>

#include <set>

#include "runtime/events.h"

namespace {

TEST(ProgramEvents, EachHasANumberOfItsOwnAboveTheRuntimes) {
    std::set<int> seen;
    for (const int event : rt::program_event::kAll) {
        EXPECT_GE(event, rt::event::FirstApplication) << event;
        EXPECT_TRUE(seen.insert(event).second) << event << " is used twice";
    }
    EXPECT_EQ(seen.size(), 3u);
}

}  // namespace
