// Where a parsed model keeps its texts' characters: the export the model was
// parsed from, when the model was handed it, and blocks of the model's own
// for the texts that are not found in the export as they are; and the memory
// of its lists and annotation objects. All of it is freed at once with the
// model, instead of piece by piece.
#pragma once

#include <cstddef>
#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>
#include <vector>

#include "dictionary/model_memory.h"

namespace dictionary {

class ModelStorage {
  public:
    ModelStorage() = default;
    // A storage moved from is empty.
    ModelStorage(ModelStorage&& other) noexcept;
    ModelStorage& operator=(ModelStorage&& other) noexcept;

    // Takes the export the model is about to be parsed from; texts that are
    // found in it as they are point into it. Returns the export as kept.
    std::string_view Adopt(std::string bytes);

    // `value` as a view that lives as long as this storage: the view itself
    // when it lies in the adopted export, else a copy of its characters.
    std::string_view Keep(std::string_view value);

    // Memory for the model's lists and annotation objects: blocks of a few
    // sizes reused as lists grow, given back all at once by Clear(). The
    // same resource for as long as the storage lives (also when moved).
    std::pmr::memory_resource* Memory();

    // Frees the export, every copy made and the memory of every list and
    // object: none of them may be used afterwards.
    void Clear() noexcept;

  private:
    bool InAdopted(std::string_view value) const noexcept;

    char* Allocate(std::size_t size);

    // Held by pointer so that a moved model's texts stay where they are.
    std::unique_ptr<std::string> adopted_;
    std::unique_ptr<ModelMemory> memory_;
    // Copies go into blocks of one size, small enough for the allocator to
    // keep them in its heap; a long value gets a block of its own.
    std::vector<std::unique_ptr<char[]>> blocks_;
    char* free_ = nullptr;  // next free byte of the last shared block
    std::size_t room_ = 0;  // bytes left after free_
};

}  // namespace dictionary
