/* The I/O of a conversion that reads its question file once and holds it,
   as a process of its own: read the whole file into one buffer with one
   read, write as many bytes as its database has from that buffer (round
   again from its start when the database is the larger) to a temporary
   file in the output's folder, flush it to the disk, rename it over the
   output and flush the folder, as the converter does.
     snapshot_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE */
#include <fcntl.h>
#include <libgen.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 4) {
    fputs("usage: snapshot_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE\n", stderr);
    return 2;
  }
  const int question = open(argv[1], O_RDONLY);
  struct stat facts;
  if (question < 0 || fstat(question, &facts) != 0 || facts.st_size <= 0) return 1;
  const size_t size = (size_t)facts.st_size;
  unsigned char* snapshot = malloc(size);
  if (!snapshot || read(question, snapshot, size) != (ssize_t)size) return 1;
  close(question);
  char temporary[4096];
  if (strlen(argv[2]) + 5 > sizeof temporary) return 1;
  strcpy(temporary, argv[2]);
  strcat(temporary, ".tmp");
  const int output = open(temporary, O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (output < 0) return 1;
  /* One gathering write, as the converter's. */
  struct iovec pieces[64];
  int count = 0;
  for (size_t left = (size_t)atol(argv[3]); left > 0 && count < 64; ++count) {
    pieces[count].iov_base = snapshot;
    pieces[count].iov_len = left < size ? left : size;
    left -= pieces[count].iov_len;
  }
  if (writev(output, pieces, count) < 0) return 1;
  if (fsync(output) != 0 || close(output) != 0) return 1;
  if (rename(temporary, argv[2]) != 0) return 1;
  const int folder = open(dirname(temporary), O_RDONLY | O_DIRECTORY);
  return folder >= 0 && fsync(folder) == 0 ? 0 : 1;
}
