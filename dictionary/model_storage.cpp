#include "dictionary/model_storage.h"

#include <cstring>
#include <functional>

namespace dict {

namespace {

// The first block of copies; each next one is larger (the resource's rule).
constexpr std::size_t kFirstBlockBytes = 64 * 1024;

}  // namespace

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
    if (!copies_) {
        copies_ = std::make_unique<std::pmr::monotonic_buffer_resource>(
            kFirstBlockBytes, std::pmr::new_delete_resource());
    }
    auto* p = static_cast<char*>(copies_->allocate(value.size(), 1));
    std::memcpy(p, value.data(), value.size());
    return {p, value.size()};
}

void ModelStorage::Clear() noexcept {
    adopted_.reset();
    copies_.reset();
}

}  // namespace dict
