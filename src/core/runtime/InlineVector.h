#pragma once
// A vector whose first N elements live inside the object that holds it: a mission that
// registers its raiders or guards as they come touches no heap until it holds more than N.
// Past N it grows on the heap like any vector.
#include <cstddef>
#include <memory_resource>
#include <new>
#include <vector>

namespace corvale {

namespace detail {
// The heap past the room, through the plain operator new as every other allocation goes, so
// that it is counted where allocations are counted.
class PlainHeap final : public std::pmr::memory_resource {
  public:
    static PlainHeap& instance() {
        static PlainHeap heap;
        return heap;
    }

  private:
    void* do_allocate(size_t bytes, size_t alignment) override {
        if (alignment > __STDCPP_DEFAULT_NEW_ALIGNMENT__)
            return ::operator new(bytes, std::align_val_t(alignment));
        return ::operator new(bytes);
    }
    void do_deallocate(void* p, size_t, size_t alignment) override {
        if (alignment > __STDCPP_DEFAULT_NEW_ALIGNMENT__)
            return ::operator delete(p, std::align_val_t(alignment));
        ::operator delete(p);
    }
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override {
        return this == &other;
    }
};

template <class T, size_t N> struct InlineRoom {
    alignas(T) std::byte bytes[N * sizeof(T)];
    std::pmr::monotonic_buffer_resource resource{bytes, sizeof bytes, &PlainHeap::instance()};
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
