#include "framework/toolbar_dispatcher.h"

namespace framework {

void ToolbarDispatcher::Setup() {
    targets_ = std::make_unique<std::vector<Entry>>();
}

void ToolbarDispatcher::Teardown() {
    targets_.reset();
    current_ = nullptr;
}

void ToolbarDispatcher::AddTarget(std::int32_t id, ToolbarTarget* target) {
    if (targets_) targets_->push_back(Entry{id, target});
}

void ToolbarDispatcher::TakeEvent(std::atomic<std::int32_t>& navigationRequest) {
    if (current_ != nullptr) current_->TakeEvent(navigationRequest);
}

void ToolbarDispatcher::SetTarget(std::int32_t id) {
    if (!targets_) return;
    for (const Entry& entry : *targets_) {
        if (id != 0 ? entry.id == id : entry.target->TryTakeToolbar()) {
            current_ = entry.target;
            current_->TakeToolbar();
            return;
        }
    }
}

}  // namespace framework
