#include "workflow/sequence_alignment.h"

#include <algorithm>
#include <unordered_map>

namespace workflow {

namespace {

// Marks as moved the kept steps outside a longest increasing run of old
// positions (patience sorting, n log n).
void MarkMoves(std::vector<Step>& kept) {
    std::vector<std::size_t> tails;  // index into kept of the run ends
    std::vector<std::size_t> previous(kept.size(), Step::kNone);
    for (std::size_t i = 0; i < kept.size(); ++i) {
        auto at = std::lower_bound(
            tails.begin(), tails.end(), kept[i].before,
            [&](std::size_t t, std::size_t value) { return kept[t].before < value; });
        if (at != tails.begin()) previous[i] = *(at - 1);
        if (at == tails.end()) {
            tails.push_back(i);
        } else {
            *at = i;
        }
    }
    for (Step& step : kept) step.moved = true;
    for (std::size_t i = tails.empty() ? Step::kNone : tails.back(); i != Step::kNone;
         i = previous[i])
        kept[i].moved = false;
}

}  // namespace

std::vector<Step> Align(const std::vector<std::string>& before,
                        const std::vector<std::string>& after) {
    std::unordered_map<std::string_view, std::size_t> newPosition;
    newPosition.reserve(after.size());
    for (std::size_t i = 0; i < after.size(); ++i) newPosition.emplace(after[i], i);

    // Where each old key is in the new list; the removed ones wait after the
    // new position of the last kept key before them (slot 0: first of all).
    std::vector<std::size_t> oldPosition(after.size(), Step::kNone);
    std::vector<std::vector<std::size_t>> removedAfter(after.size() + 1);
    std::size_t slot = 0;
    for (std::size_t i = 0; i < before.size(); ++i) {
        auto found = newPosition.find(before[i]);
        if (found == newPosition.end()) {
            removedAfter[slot].push_back(i);
        } else {
            oldPosition[found->second] = i;
            slot = found->second + 1;
        }
    }

    std::vector<Step> kept;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (oldPosition[i] != Step::kNone) kept.push_back({oldPosition[i], i, false});
    }
    MarkMoves(kept);

    std::vector<Step> steps;
    steps.reserve(before.size() + after.size());
    auto flush = [&](std::size_t at) {
        for (std::size_t old : removedAfter[at]) steps.push_back({old, Step::kNone, false});
    };
    flush(0);
    std::size_t next = 0;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (next < kept.size() && kept[next].after == i) {
            steps.push_back(kept[next++]);
        } else {
            steps.push_back({Step::kNone, i, false});
        }
        flush(i + 1);
    }
    return steps;
}

}  // namespace workflow
