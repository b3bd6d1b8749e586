/* c_host_example: a host written in C that drives the layout engine the way
 * a raster-image-processing host does.
 *
 *   c_host_example [-k KIND] [-w WIDTH] [JOB.ini ...]
 *
 * Hands the text of every job file to the library (a built-in two-copy job
 * when no file is given), arranges the jobs by arrangement kind KIND (0,
 * sequential, by default) on a roll WIDTH mm wide (1600 by default) of
 * unlimited length, and prints for every job the length of the text the
 * library gives back and the lines of its "[Arrange1]" section.
 *
 * The library writes its log through Boost.Log; with no sink added (a C
 * host cannot add one) Boost.Log prints every record to standard output,
 * so the lines below are mixed with log records.
 *
 * Exit status: 0 success, 1 the library answered false or gave back
 * something unexpected, 2 usage, file or memory error.
 */
#include <errno.h>
#include <inttypes.h>
#include <limits.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "unitCmnAlignmentJobPosition.h"

enum { EXIT_LIBRARY = 1, EXIT_USAGE = 2 };

/* A job as a host's job file holds it: one 300 x 200 mm image, two copies. */
static const char kBuiltInJob[] =
    "[Job]\n"
    "JobID=\"C-HOST-1\"\n"
    "Primary=\"C-HOST-1\"\n"
    "ParamVersion=\"1.17\"\n"
    "[Composite]\n"
    "pages=1\n"
    "scale=300.000000,200.000000\n"
    "duplicateCount=2\n"
    "[BinC-HOST-1_P0001_T000-000_C0001_V0001]\n"
    "compositeID=\"C-HOST-1\"\n"
    "pageNumber=1\n"
    "copyNumber=1\n"
    "[BinC-HOST-1_P0001_T000-000_C0002_V0001]\n"
    "compositeID=\"C-HOST-1\"\n"
    "pageNumber=1\n"
    "copyNumber=2\n";

static int usage(void) {
  fprintf(stderr, "usage: c_host_example [-k KIND] [-w WIDTH_MM] [JOB.ini ...]\n");
  return EXIT_USAGE;
}

static int library_failed(const char* call) {
  fprintf(stderr, "c_host_example: %s answered false (the library's log says why)\n", call);
  return EXIT_LIBRARY;
}

/* Reads the whole file at path into a NUL-terminated text the caller
 * frees. Returns null (and has said why) on failure. */
static char* read_text(const char* path) {
  FILE* file = fopen(path, "rb");
  char* text = NULL;
  size_t length = 0;
  size_t capacity = 0;
  if (file == NULL) {
    fprintf(stderr, "c_host_example: cannot open %s: %s\n", path, strerror(errno));
    return NULL;
  }
  for (;;) {
    size_t got;
    if (capacity - length < 4096) {
      char* bigger = realloc(text, capacity + 65536);
      if (bigger == NULL) {
        fprintf(stderr, "c_host_example: out of memory reading %s\n", path);
        free(text);
        fclose(file);
        return NULL;
      }
      text = bigger;
      capacity += 65536;
    }
    got = fread(text + length, 1, capacity - length - 1, file);
    length += got;
    if (got == 0) break;
  }
  if (ferror(file)) {
    fprintf(stderr, "c_host_example: cannot read %s\n", path);
    free(text);
    fclose(file);
    return NULL;
  }
  fclose(file);
  text[length] = '\0';
  /* The library takes a C string: a NUL inside would cut the job short. */
  if (strlen(text) != length) {
    fprintf(stderr, "c_host_example: %s contains a NUL byte\n", path);
    free(text);
    return NULL;
  }
  return text;
}

/* Prints the lines of section `header` (e.g. "[Arrange1]") of the INI text
 * (length bytes, not NUL-terminated): the header line and every line up to
 * the next section. Returns the number of lines printed, 0 when the text
 * has no such section. */
static int print_section(const char* text, size_t length, const char* header) {
  const size_t header_length = strlen(header);
  const char* line = text;
  const char* end = text + length;
  int printed = 0;
  while (line < end) {
    const char* newline = memchr(line, '\n', (size_t)(end - line));
    const char* line_end = newline != NULL ? newline : end;
    size_t line_length = (size_t)(line_end - line);
    if (line_length > 0 && line[line_length - 1] == '\r') --line_length;
    if (printed > 0 && line_length > 0 && line[0] == '[') break;
    if (printed > 0 ||
        (line_length == header_length && memcmp(line, header, header_length) == 0)) {
      printf("%.*s\n", (int)line_length, line);
      ++printed;
    }
    line = newline != NULL ? newline + 1 : end;
  }
  return printed;
}

/* Asks the library for job index's text and prints its length and its
 * "[Arrange1]" section. */
static int print_job(void* instance, int index, const char* name) {
  uint64_t size = 0;
  char* buffer;
  int lines;
  if (!getAlignmentJobSize(instance, index, &size)) return library_failed("getAlignmentJobSize");
  if (size > (uint64_t)SIZE_MAX - 1) {
    fprintf(stderr, "c_host_example: job %d's text (%" PRIu64 " bytes) does not fit in memory\n",
            index + 1, size);
    return EXIT_USAGE;
  }
  /* One byte more than the text, for the NUL the library does not write
   * (and so that a text of 0 bytes still gets a buffer). */
  buffer = malloc((size_t)size + 1);
  if (buffer == NULL) {
    fprintf(stderr, "c_host_example: out of memory for job %d's text\n", index + 1);
    return EXIT_USAGE;
  }
  /* The size must be exactly the one getAlignmentJobSize gave. */
  if (!copyAlignmentJobParam(instance, buffer, size)) {
    free(buffer);
    return library_failed("copyAlignmentJobParam");
  }
  buffer[size] = '\0';
  printf("job %d (%s): %" PRIu64 " bytes\n", index + 1, name, size);
  lines = print_section(buffer, (size_t)size, "[Arrange1]");
  if (lines == 0) printf("job %d has no [Arrange1] section\n", index + 1);
  free(buffer);
  return 0;
}

/* Option arguments: a whole number, resp. a positive length in mm. Answer 0
 * when the text is not one. */
static int parse_int(const char* text, int* value) {
  char* end = NULL;
  long parsed;
  errno = 0;
  parsed = strtol(text, &end, 10);
  if (errno != 0 || end == text || *end != '\0' || parsed < INT_MIN || parsed > INT_MAX) return 0;
  *value = (int)parsed;
  return 1;
}

static int parse_positive(const char* text, double* value) {
  char* end = NULL;
  double parsed;
  errno = 0;
  parsed = strtod(text, &end);
  if (errno != 0 || end == text || *end != '\0' || !(parsed > 0.0 && parsed < 1.0e6)) return 0;
  *value = parsed;
  return 1;
}

/* Hands every job to the instance, arranges and prints. The caller
 * disposes the instance whatever this answers. */
static int run(void* instance, int kind, double width, int file_count, char** files) {
  const int job_count = file_count > 0 ? file_count : 1;
  double x = 0.0, y = 0.0, sheet_width = 0.0, sheet_height = 0.0;
  int held = 0;
  int i;

  /* Arrangement kind, copy margins 5 mm across and along, no centring, a
   * roll of unlimited length, no twin roll. */
  if (!init(instance, kind, 5.0, 5.0, false, width, -1.0, 0.0, 0.0)) return library_failed("init");

  if (file_count == 0) {
    addJob(instance, kBuiltInJob);
  }
  for (i = 0; i < file_count; ++i) {
    char* text = read_text(files[i]);
    if (text == NULL) return EXIT_USAGE;
    /* The library copies the text: the host frees it at once. */
    addJob(instance, text);
    free(text);
  }

  /* addJob answers nothing: a job that could not be read is still appended
   * (and logged). The count tells whether every job arrived. */
  if (!getAlignmentJobCount(instance, &held)) return library_failed("getAlignmentJobCount");
  if (held != job_count) {
    fprintf(stderr, "c_host_example: the library holds %d job(s), %d were added\n", held,
            job_count);
    return EXIT_LIBRARY;
  }

  if (!alignmentJobPositionExec(instance, &x, &y, &sheet_width, &sheet_height, 0.0))
    return library_failed("alignmentJobPositionExec");
  printf("arranged %d job(s) by kind %d on a %.1f mm roll: sheet 1 uses x=%f y=%f width=%f height=%f\n",
         held, kind, width, x, y, sheet_width, sheet_height);

  for (i = 0; i < held; ++i) {
    const char* name = file_count > 0 ? files[i] : "built-in job";
    const int status = print_job(instance, i, name);
    if (status != 0) return status;
  }

  /* A new series starts empty: after clearJob there is no job to count. */
  clearJob(instance);
  if (getAlignmentJobCount(instance, &held)) {
    fprintf(stderr, "c_host_example: %d job(s) still held after clearJob\n", held);
    return EXIT_LIBRARY;
  }
  return 0;
}

int main(int argc, char** argv) {
  int kind = 0;
  double width = 1600.0;
  int first_file = 1;
  void* instance;
  int status;

  while (first_file < argc && argv[first_file][0] == '-') {
    if (strcmp(argv[first_file], "--") == 0) {
      ++first_file;
      break;
    }
    if (first_file + 1 >= argc) return usage();
    if (strcmp(argv[first_file], "-k") == 0) {
      if (!parse_int(argv[first_file + 1], &kind)) return usage();
    } else if (strcmp(argv[first_file], "-w") == 0) {
      if (!parse_positive(argv[first_file + 1], &width)) return usage();
    } else {
      return usage();
    }
    first_file += 2;
  }

  instance = CreateInstance();
  if (instance == NULL) {
    fprintf(stderr, "c_host_example: CreateInstance answered null\n");
    return EXIT_LIBRARY;
  }
  status = run(instance, kind, width, argc - first_file, argv + first_file);
  disposeInstance(instance);
  if (status == 0) printf("c_host_example: done\n");
  return status;
}
