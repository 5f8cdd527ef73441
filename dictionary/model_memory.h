// The memory of a parsed model's lists and annotation objects.
//
// Small blocks are cut from large slabs and, when given back (a list that
// grew), kept for the next block of the same size; large blocks (the longer
// lists) come from the heap one by one. Everything is returned to the heap
// at once when the memory is destroyed, whatever was given back before.
// Not for concurrent use.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <memory_resource>
#include <new>
#include <vector>

namespace dictionary {

class ModelMemory final : public std::pmr::memory_resource {
  public:
    ModelMemory() = default;
    ModelMemory(const ModelMemory&) = delete;
    ModelMemory& operator=(const ModelMemory&) = delete;
    ~ModelMemory() override;

    // Bytes taken from the heap and not yet returned to it.
    std::size_t HeldBytes() const noexcept { return held_; }

  private:
    static constexpr std::size_t kGrain = 8;       // block sizes and alignments: multiples of it
    static constexpr std::size_t kLargest = 1024;  // larger blocks come from the heap
    static constexpr std::size_t kSlabBytes = 64 * 1024;
    // After this many slabs the model is a large one: its further slabs are
    // 2 MB each, on 2 MB boundaries, so that large pages can back them.
    static constexpr std::size_t kSmallSlabs = 8;

    struct FreeBlock {
        FreeBlock* next;
    };
    // A large block's header, linking every large block still held.
    struct alignas(kGrain) LargeBlock {
        LargeBlock* previous;
        LargeBlock* next;
        std::size_t bytes;
    };

    void* do_allocate(std::size_t bytes, std::size_t alignment) override;
    void do_deallocate(void* p, std::size_t bytes, std::size_t alignment) override;
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }

    void* AllocateLarge(std::size_t bytes);
    void DeallocateLarge(void* p) noexcept;

    struct SlabDelete {
        std::align_val_t alignment;
        void operator()(std::byte* slab) const noexcept { ::operator delete(slab, alignment); }
    };
    using Slab = std::unique_ptr<std::byte, SlabDelete>;

    void AddSlab();

    std::vector<Slab> slabs_;
    std::byte* free_ = nullptr;  // next unused byte of the last slab
    std::size_t room_ = 0;       // unused bytes after free_
    std::array<FreeBlock*, kLargest / kGrain + 1> given_back_{};  // by size / kGrain
    LargeBlock* large_ = nullptr;
    std::size_t held_ = 0;
};

}  // namespace dictionary
