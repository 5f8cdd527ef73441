#include "dictionary/model_memory.h"

#include <new>
#include <utility>

#include "runtime/core/large_pages.h"

namespace dictionary {

namespace {

constexpr std::size_t RoundUp(std::size_t bytes, std::size_t grain) noexcept {
    return (bytes + grain - 1) / grain * grain;
}

}  // namespace

ModelMemory::~ModelMemory() {
    while (large_ != nullptr) {
        LargeBlock* next = large_->next;
        ::operator delete(large_);
        large_ = next;
    }
}

void* ModelMemory::do_allocate(std::size_t bytes, std::size_t alignment) {
    if (alignment > kGrain) throw std::bad_alloc();
    const std::size_t size = RoundUp(bytes == 0 ? 1 : bytes, kGrain);
    if (size > kLargest) return AllocateLarge(size);
    FreeBlock*& given = given_back_[size / kGrain];
    if (given != nullptr) {
        FreeBlock* block = given;
        given = block->next;
        return block;
    }
    if (size > room_) AddSlab();
    std::byte* block = free_;
    free_ += size;
    room_ -= size;
    return block;
}

void ModelMemory::do_deallocate(void* p, std::size_t bytes, std::size_t /*alignment*/) {
    const std::size_t size = RoundUp(bytes == 0 ? 1 : bytes, kGrain);
    if (size > kLargest) {
        DeallocateLarge(p);
        return;
    }
    FreeBlock*& given = given_back_[size / kGrain];
    given = ::new (p) FreeBlock{given};
}

void ModelMemory::AddSlab() {
    const bool large = slabs_.size() >= kSmallSlabs;
    const std::size_t bytes = large ? rt::kLargePageBytes : kSlabBytes;
    const std::align_val_t alignment{large ? rt::kLargePageBytes : kGrain};
    slabs_.reserve(slabs_.size() + 1);
    Slab slab(static_cast<std::byte*>(::operator new(bytes, alignment)), SlabDelete{alignment});
    if (large) rt::AdviseLargePages(slab.get(), bytes);
    free_ = slab.get();
    room_ = bytes;
    held_ += bytes;
    slabs_.push_back(std::move(slab));
}

void* ModelMemory::AllocateLarge(std::size_t bytes) {
    void* raw = ::operator new(sizeof(LargeBlock) + bytes);
    auto* block = ::new (raw) LargeBlock{nullptr, large_, bytes};
    if (large_ != nullptr) large_->previous = block;
    large_ = block;
    held_ += bytes;
    return block + 1;
}

void ModelMemory::DeallocateLarge(void* p) noexcept {
    LargeBlock* block = static_cast<LargeBlock*>(p) - 1;
    if (block->previous != nullptr) {
        block->previous->next = block->next;
    } else {
        large_ = block->next;
    }
    if (block->next != nullptr) block->next->previous = block->previous;
    held_ -= block->bytes;
    ::operator delete(block);
}

}  // namespace dictionary
