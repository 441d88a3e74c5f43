#pragma once
// A vector whose first N elements live inside the object that holds it: a mission that
// registers its raiders or guards as they come touches no heap until it holds more than N.
// Past N it grows on the heap like any vector.
#include <cstddef>
#include <memory_resource>
#include <vector>

namespace corvale {

namespace detail {
template <class T, size_t N> struct InlineRoom {
    alignas(T) std::byte bytes[N * sizeof(T)];
    std::pmr::monotonic_buffer_resource resource{bytes, sizeof bytes,
                                                 std::pmr::new_delete_resource()};
};
} // namespace detail

// The room is a base so that it is made before the vector that draws on it.
template <class T, size_t N>
class InlineVector : private detail::InlineRoom<T, N>, public std::pmr::vector<T> {
  public:
    InlineVector() : std::pmr::vector<T>(&this->resource) { this->reserve(N); }
    InlineVector(const InlineVector&) = delete;
    InlineVector& operator=(const InlineVector&) = delete;
};

} // namespace corvale
