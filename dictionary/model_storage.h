// Where the texts of a parsed model keep their characters: the export the
// model was parsed from, when the model was handed it, and blocks of the
// model's own for the texts that are not found in the export as they are.
// All of it is freed at once with the model, instead of text by text.
#pragma once

#include <memory>
#include <memory_resource>
#include <string>
#include <string_view>

namespace dict {

class ModelStorage {
  public:
    ModelStorage() = default;
    ModelStorage(ModelStorage&&) noexcept = default;
    ModelStorage& operator=(ModelStorage&&) noexcept = default;

    // Takes the export the model is about to be parsed from; texts that are
    // found in it as they are point into it. Returns the export as kept.
    std::string_view Adopt(std::string bytes);

    // `value` as a view that lives as long as this storage: the view itself
    // when it lies in the adopted export, else a copy of its characters.
    std::string_view Keep(std::string_view value);

    // Frees the export and every copy made.
    void Clear() noexcept;

  private:
    bool InAdopted(std::string_view value) const noexcept;

    // Held by pointer so that a moved model's texts stay where they are.
    std::unique_ptr<std::string> adopted_;
    std::unique_ptr<std::pmr::monotonic_buffer_resource> copies_;
};

}  // namespace dict
