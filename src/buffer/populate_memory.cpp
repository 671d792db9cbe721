#include "buffer/populate_memory.h"

#if defined(__linux__) && !defined(__EMSCRIPTEN__)

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>

#ifndef MADV_POPULATE_WRITE
#define MADV_POPULATE_WRITE 23
#endif

void PopulateMemory(unsigned char* bytes, std::size_t size) {
  const std::uintptr_t page = static_cast<std::uintptr_t>(sysconf(_SC_PAGESIZE));
  const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(bytes) + page - 1) / page * page;
  const std::uintptr_t end = (reinterpret_cast<std::uintptr_t>(bytes) + size) / page * page;
  // Refused on a kernel without the call: the pages then come as they are
  // touched.
  if (end > begin) madvise(reinterpret_cast<void*>(begin), end - begin, MADV_POPULATE_WRITE);
}

#else

void PopulateMemory(unsigned char* /*bytes*/, std::size_t /*size*/) {}

#endif
