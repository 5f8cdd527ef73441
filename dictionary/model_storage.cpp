#include "dictionary/model_storage.h"

#include <cstring>
#include <functional>
#include <memory>
#include <utility>

namespace dictionary {

namespace {

constexpr std::size_t kBlockBytes = 64 * 1024;
// Longer values get a block of their own rather than waste the rest of one.
constexpr std::size_t kOwnBlockBytes = kBlockBytes / 8;

}  // namespace

ModelStorage::ModelStorage(ModelStorage&& other) noexcept
    : adopted_(std::move(other.adopted_)),
      memory_(std::move(other.memory_)),
      blocks_(std::move(other.blocks_)),
      free_(std::exchange(other.free_, nullptr)),
      room_(std::exchange(other.room_, 0)) {
    other.blocks_.clear();
}

ModelStorage& ModelStorage::operator=(ModelStorage&& other) noexcept {
    if (this != &other) {
        adopted_ = std::move(other.adopted_);
        memory_ = std::move(other.memory_);
        blocks_ = std::move(other.blocks_);
        other.blocks_.clear();
        free_ = std::exchange(other.free_, nullptr);
        room_ = std::exchange(other.room_, 0);
    }
    return *this;
}

std::string_view ModelStorage::Adopt(std::string bytes) {
    adopted_ = std::make_unique<std::string>(std::move(bytes));
    return *adopted_;
}

bool ModelStorage::InAdopted(std::string_view value) const noexcept {
    if (!adopted_ || value.empty()) return false;
    // Compared as addresses of one array only when they are: std::less gives
    // a total order over unrelated pointers too.
    const std::less<const char*> before;
    const char* begin = adopted_->data();
    const char* end = begin + adopted_->size();
    return !before(value.data(), begin) && !before(end, value.data() + value.size());
}

std::string_view ModelStorage::Keep(std::string_view value) {
    if (value.empty() || InAdopted(value)) return value;
    char* p = Allocate(value.size());
    std::memcpy(p, value.data(), value.size());
    return {p, value.size()};
}

char* ModelStorage::Allocate(std::size_t size) {
    if (size > kOwnBlockBytes) {
        // The last shared block keeps its free bytes for the next values.
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
        return blocks_.back().get();
    }
    if (size > room_) {
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockBytes));
        free_ = blocks_.back().get();
        room_ = kBlockBytes;
    }
    char* p = free_;
    free_ += size;
    room_ -= size;
    return p;
}

std::pmr::memory_resource* ModelStorage::Memory() {
    if (!memory_) memory_ = std::make_unique<ModelMemory>();
    return memory_.get();
}

void ModelStorage::Clear() noexcept {
    adopted_.reset();
    memory_.reset();
    blocks_.clear();
    free_ = nullptr;
    room_ = 0;
}

}  // namespace dictionary
