/* A host written in C: the header compiles as C and the library answers
 * through it. Exits non-zero on the first wrong answer. */
#include <stdio.h>
#include <string.h>

#include "unitCmnAlignmentJobPosition.h"

#define CHECK(cond)                                          \
  do {                                                       \
    if (!(cond)) {                                           \
      fprintf(stderr, "%s:%d: %s\n", __FILE__, __LINE__, #cond); \
      return 1;                                              \
    }                                                        \
  } while (0)

int main(void) {
  void* p = CreateInstance();
  int count = -5;
  uint64_t size = 7;
  char buffer[8] = "unused";
  CHECK(p != NULL);
  CHECK(init(p, 0, 2.0, 3.0, false, 1600.0, -1.0, 0.0, 0.0));
  addJob(p, NULL);
  CHECK(!getAlignmentJobCount(p, &count));
  CHECK(count == -5);
  CHECK(!getAlignmentJobSize(p, 0, &size));
  CHECK(size == 7);
  CHECK(!copyAlignmentJobParam(p, buffer, 1));
  CHECK(copyAlignmentJobParam(p, buffer, 0));
  CHECK(strcmp(buffer, "unused") == 0);
  clearJob(p);
  disposeInstance(p);
  puts("C host: all checks passed");
  return 0;
}
