// A growable array of bytes that leaves the bytes it grows by as the
// allocator gives them, where a std::vector<unsigned char> zeroes them: for
// a file read into it, whose read fills them (zeroing a large file's room
// first costs as much again as touching it). Otherwise it is that vector.
#ifndef QDCONV_BUFFER_BYTE_BUFFER_H_
#define QDCONV_BUFFER_BYTE_BUFFER_H_

#include <memory>
#include <new>
#include <utility>
#include <vector>

template <typename T>
struct UninitializedAllocator : std::allocator<T> {
  template <typename U>
  struct rebind {
    using other = UninitializedAllocator<U>;
  };
  UninitializedAllocator() = default;
  template <typename U>
  UninitializedAllocator(const UninitializedAllocator<U>&) noexcept {}
  // Made with no value: left as it is.
  template <typename U>
  void construct(U* at) {
    ::new (static_cast<void*>(at)) U;
  }
  template <typename U, typename... Arguments>
  void construct(U* at, Arguments&&... arguments) {
    ::new (static_cast<void*>(at)) U(std::forward<Arguments>(arguments)...);
  }
};

using ByteBuffer = std::vector<unsigned char, UninitializedAllocator<unsigned char>>;

#endif  // QDCONV_BUFFER_BYTE_BUFFER_H_
