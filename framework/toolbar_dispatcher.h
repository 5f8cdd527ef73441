// Passes accepted toolbar events to the current toolbar target.
#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <vector>

namespace framework {

class ToolbarTarget {
  public:
    virtual ~ToolbarTarget() = default;
    virtual bool TryTakeToolbar() = 0;
    virtual void TakeToolbar() = 0;
    virtual void TakeEvent(std::atomic<std::int32_t>& navigationRequest) = 0;
};

class ToolbarDispatcher {
  public:
    struct Entry {
        std::int32_t id = 0;
        ToolbarTarget* target = nullptr;
    };

    void Setup();
    void Teardown();
    bool IsSetUp() const { return targets_ != nullptr; }
    void AddTarget(std::int32_t id, ToolbarTarget* target);
    // Passes an accepted event to the current target.
    void TakeEvent(std::atomic<std::int32_t>& navigationRequest);
    // Chooses the current target by id, or by asking each target in turn (id 0).
    void SetTarget(std::int32_t id = 0);

  private:
    std::unique_ptr<std::vector<Entry>> targets_;
    ToolbarTarget* current_ = nullptr;
};

}  // namespace framework
