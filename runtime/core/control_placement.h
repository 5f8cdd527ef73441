// Where controls go, in dialog units of the window's font, measured from the
// window's client origin. A batch of placements is applied at once and
// repainted once (the platform's deferred window positioning).
#pragma once

#include <climits>
#include <optional>

namespace rt {

struct ControlPlacement {
    static constexpr int kKeep = INT_MIN;  // leave this coordinate as it is

    int control = 0;
    int x = kKeep, y = kKeep, width = kKeep, height = kKeep;
    std::optional<bool> hidden;   // unset: visibility unchanged
    std::optional<bool> enabled;  // unset: enabled state unchanged

    // The common placements, for building a batch.
    static ControlPlacement Box(int control, int x, int y, int width, int height) {
        return {control, x, y, width, height, std::nullopt, std::nullopt};
    }
    static ControlPlacement Move(int control, int x, int y) {
        return {control, x, y, kKeep, kKeep, std::nullopt, std::nullopt};
    }
    static ControlPlacement Hide(int control, bool hidden) {
        return {control, kKeep, kKeep, kKeep, kKeep, hidden, std::nullopt};
    }
    static ControlPlacement Enable(int control, bool enabled) {
        return {control, kKeep, kKeep, kKeep, kKeep, std::nullopt, enabled};
    }

    bool operator==(const ControlPlacement&) const = default;
};

// A control's box, or a point, in dialog units.
struct ControlBox {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const ControlBox&) const = default;
};

struct UnitPoint {
    int x = 0, y = 0;
    bool operator==(const UnitPoint&) const = default;
};

// How many dialog units an inch spans across and down. Dialog units are
// seldom square: across they are a quarter of the font's average character
// width, down an eighth of its height.
struct UnitsPerInch {
    double x = 0, y = 0;
    bool operator==(const UnitsPerInch&) const = default;
};

}  // namespace rt
