/* The benchmark's floor: the least a conversion with a safe save must do as a
 * process. It reads the plot and counts its points, creates a fresh temporary
 * file beside the output, writes as many bytes as the converter would, closes
 * it, renames it over the output and prints one line, with nothing else,
 * linked statically.
 *
 * Usage: floor ACCURACY PLOT OUTPUT */
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
  if (argc != 4) {
    fputs("usage: floor ACCURACY PLOT OUTPUT\n", stderr);
    return 2;
  }
  long accuracy = strtol(argv[1], NULL, 10);
  int in = open(argv[2], O_RDONLY);
  if (in < 0) return 1;
  /* Every line with a digit is a point: the floor trusts its input. */
  static char text[1 << 16];
  long points = 0;
  int has_digit = 0;
  ssize_t n;
  while ((n = read(in, text, sizeof text)) > 0) {
    for (ssize_t i = 0; i < n; ++i) {
      if (text[i] >= '0' && text[i] <= '9') has_digit = 1;
      if (text[i] == '\n') {
        points += has_digit;
        has_digit = 0;
      }
    }
  }
  points += has_digit;
  close(in);

  long segments = 2 * accuracy + 2;
  long vertices = (segments + 1) * points;
  long conns = points > 1 ? 6 * segments * (points - 1) : 0;
  size_t size = (size_t)(16 + 20 * vertices + 2 * conns);
  char* image = calloc(size, 1);
  if (image == NULL) return 1;
  image[0] = 'F'; /* any bytes will do: the floor writes, it does not encode */

  /* The temporary file beside the output: same directory, fresh name. */
  char temp[4096];
  const char* slash = strrchr(argv[3], '/');
  int directory = slash != NULL ? (int)(slash - argv[3] + 1) : 0;
  snprintf(temp, sizeof temp, "%.*s~flr%04X.tmp", directory, argv[3],
           (unsigned)getpid() & 0xFFFF);
  int out = open(temp, O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (out < 0) return 1;
  size_t done = 0;
  while (done < size) {
    ssize_t w = write(out, image + done, size - done);
    if (w <= 0) return 1;
    done += (size_t)w;
  }
  if (close(out) != 0 || rename(temp, argv[3]) != 0) return 1;
  free(image);
  printf("%s(acc=%ld) -> %s (vt=%ld, cn=%ld)\n", argv[2], accuracy, argv[3],
         vertices, conns);
  return 0;
}
