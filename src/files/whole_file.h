// Reading a file whole into memory, once, with every read checked: the one
// reading of a question file that everything after it works on, so that the
// file can change, vanish or be a pipe without the run seeing two versions.
//
// Only ordinary reads are used (no memory map, where a failing device would
// raise a signal instead of an error). A folder is not opened. A file larger
// than |maxSize| is refused before more than |maxSize| + 1 bytes are held, so
// memory stays bounded whatever the path names (a device, a pipe that never
// ends). Paths are UTF-8 (native_path.h).
#ifndef QDCONV_FILES_WHOLE_FILE_H_
#define QDCONV_FILES_WHOLE_FILE_H_

#include <cstddef>
#include <cstdint>
#include <vector>

#include "buffer/byte_buffer.h"

enum WholeFileOutcome {
  kWholeFileRead,
  kWholeFileNotOpened,  // missing, a folder, or no permission
  kWholeFileTooLarge,   // more than the given maximum
  kWholeFileReadFailed, // a read reported an error part-way
};

// Read the file at |path| into |bytes| (replacing what it held), with room
// for |spare| bytes more left after them (capacity, untouched). On any
// outcome but kWholeFileRead, |bytes| is empty, and for kWholeFileNotOpened
// and kWholeFileReadFailed errno tells why (EISDIR for a folder). The file is
// closed on return.
WholeFileOutcome ReadWholeFile(const char* path, std::uint64_t maxSize,
                               ByteBuffer& bytes, std::size_t spare = 0);

// ReadWholeFile for a regular file only: anything else at |path| is not
// opened (a pipe would wait for a writer), with errno EISDIR for a folder,
// EINVAL for anything else that exists and ENOENT when nothing can be seen
// at |path|.
WholeFileOutcome ReadWholeRegularFile(const char* path, std::uint64_t maxSize,
                                      ByteBuffer& bytes);

// ReadWholeFile for standard input, read as raw bytes on every system; it
// stays open.
WholeFileOutcome ReadWholeStandardInput(std::uint64_t maxSize, ByteBuffer& bytes,
                                        std::size_t spare = 0);

#endif  // QDCONV_FILES_WHOLE_FILE_H_
