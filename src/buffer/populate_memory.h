// Memory about to be filled, given its pages at once: a file read into fresh
// memory otherwise takes a page fault for each page it fills, which costs
// more than the copy itself where faults are dear (virtual machines). Only a
// hint: the bytes stay as they were, and where the system has no such call
// (Windows, Linux before 5.14) nothing happens.
#ifndef QDCONV_BUFFER_POPULATE_MEMORY_H_
#define QDCONV_BUFFER_POPULATE_MEMORY_H_

#include <cstddef>

// Give the whole pages within |bytes[0..size)| their memory now.
void PopulateMemory(unsigned char* bytes, std::size_t size);

#endif  // QDCONV_BUFFER_POPULATE_MEMORY_H_
