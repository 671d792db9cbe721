/* The I/O that no conversion can avoid, as a process of its own: read the
   question file once, write as many bytes as its database has to a
   temporary file in the output's folder, and rename it over the output.
     io_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static unsigned char block[1 << 16];

int main(int argc, char** argv) {
  if (argc != 4) {
    fputs("usage: io_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE\n", stderr);
    return 2;
  }
  FILE* question = fopen(argv[1], "rb");
  if (!question) return 1;
  while (fread(block, 1, sizeof block, question) > 0) {
  }
  fclose(question);
  char temporary[4096];
  if (strlen(argv[2]) + 5 > sizeof temporary) return 1;
  strcpy(temporary, argv[2]);
  strcat(temporary, ".tmp");
  FILE* output = fopen(temporary, "wb");
  if (!output) return 1;
  for (long left = atol(argv[3]); left > 0;) {
    const size_t size = left < (long)sizeof block ? (size_t)left : sizeof block;
    fwrite(block, 1, size, output);
    left -= (long)size;
  }
  if (fclose(output) != 0) return 1;
  return rename(temporary, argv[2]) == 0 ? 0 : 1;
}
