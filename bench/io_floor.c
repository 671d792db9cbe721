/* The I/O that no conversion can avoid, as a process of its own: read the
   question file once, write as many bytes as its database has to a
   temporary file in the output's folder, and rename it over the output;
   with "flush", flush the file to the disk before the rename and the folder
   after it, as the converter does.
     io_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE [flush] */
#include <fcntl.h>
#include <libgen.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

static unsigned char block[1 << 16];

int main(int argc, char** argv) {
  const int flush = argc == 5 && strcmp(argv[4], "flush") == 0;
  if (argc != 4 && !flush) {
    fputs("usage: io_floor QUESTION_FILE OUTPUT_FILE DATABASE_SIZE [flush]\n", stderr);
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
  if (flush && (fflush(output) != 0 || fsync(fileno(output)) != 0)) return 1;
  if (fclose(output) != 0) return 1;
  if (rename(temporary, argv[2]) != 0) return 1;
  if (!flush) return 0;
  const int folder = open(dirname(temporary), O_RDONLY | O_DIRECTORY);
  return folder >= 0 && fsync(folder) == 0 ? 0 : 1;
}
