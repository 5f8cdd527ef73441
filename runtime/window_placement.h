// What the settings object needs of a window to save and restore its
// placement. Runtime windows implement it; tests use a plain fake.
#pragma once

namespace rt {

class PlacementTarget {
  public:
    virtual ~PlacementTarget() = default;
    virtual bool IsIconized() const = 0;
    virtual bool IsMaximized() const = 0;
    virtual bool HasResizableFrame() const = 0;
    virtual int X() const = 0;
    virtual int Y() const = 0;
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void SetX(int x) = 0;
    virtual void SetY(int y) = 0;
    virtual void SetWidth(int width) = 0;
    virtual void SetHeight(int height) = 0;
    virtual void SetMaximized(bool maximized) = 0;
};

}  // namespace rt
