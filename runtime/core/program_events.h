// The program's own events, which its windows post to one another: every one
// of them is listed here, each with a number of its own, from the runtime's
// first application event (rt::event::FirstApplication) on.
#pragma once

#include <array>
#include <cstddef>

namespace rt::program_event {

// Window > Tile, from the frame to the dictionary window.
inline constexpr int Tile = 900;
// DisplayThread was let go: to the dictionary window waiting to take it.
inline constexpr int HandOver = 901;
// From the frame to itself: open the dictionary named on the command line.
inline constexpr int OpenAtStart = 902;

inline constexpr std::array kAll = {Tile, HandOver, OpenAtStart};

constexpr bool AllDistinct() {
    for (std::size_t i = 0; i < kAll.size(); ++i) {
        for (std::size_t j = i + 1; j < kAll.size(); ++j) {
            if (kAll[i] == kAll[j]) return false;
        }
    }
    return true;
}
static_assert(AllDistinct(), "two program events share a number");

}  // namespace rt::program_event
