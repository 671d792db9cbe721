/* The I/O that no conversion can avoid, as a process of its own: read the
   question file twice in 64 KiB blocks, then write as many bytes as its
   database has.
     io_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE */
#include <stdio.h>
#include <stdlib.h>

static unsigned char block[1 << 16];

int main(int argc, char** argv) {
  if (argc != 4) {
    fputs("usage: io_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE\n", stderr);
    return 2;
  }
  for (int pass = 0; pass < 2; ++pass) {
    FILE* question = fopen(argv[1], "rb");
    if (!question) return 1;
    while (fread(block, 1, sizeof block, question) > 0) {
    }
    fclose(question);
  }
  FILE* output = fopen(argv[2], "wb");
  if (!output) return 1;
  for (long left = atol(argv[3]); left > 0;) {
    const size_t size = left < (long)sizeof block ? (size_t)left : sizeof block;
    fwrite(block, 1, size, output);
    left -= (long)size;
  }
  return fclose(output) == 0 ? 0 : 1;
}
