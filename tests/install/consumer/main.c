/* The smallest host: one job of two 300 x 200 mm copies, arranged one
 * after the other (kind 0) with 5 mm between copies across and 10 mm
 * along, so sheet 1 uses 300 x 410 mm. Prints that rectangle; exits
 * non-zero when a call answers otherwise. */
#include <stdio.h>

#include "unitCmnAlignmentJobPosition.h"

static const char kJob[] =
    "[Job]\n"
    "JobID=\"CONSUMER-1\"\n"
    "Primary=\"CONSUMER-1\"\n"
    "ParamVersion=\"1.17\"\n"
    "[Composite]\n"
    "pages=1\n"
    "scale=300.000000,200.000000\n"
    "duplicateCount=2\n"
    "[BinCONSUMER-1_P0001_T000-000_C0001_V0001]\n"
    "compositeID=\"CONSUMER-1\"\n"
    "pageNumber=1\n"
    "copyNumber=1\n"
    "[BinCONSUMER-1_P0001_T000-000_C0002_V0001]\n"
    "compositeID=\"CONSUMER-1\"\n"
    "pageNumber=1\n"
    "copyNumber=2\n";

int main(void) {
  double x = -1.0, y = -1.0, width = -1.0, height = -1.0;
  int count = 0;
  bool arranged;
  void* p = CreateInstance();
  if (p == NULL) {
    fprintf(stderr, "consumer: CreateInstance answered null\n");
    return 1;
  }
  if (!init(p, 0, 5.0, 10.0, false, 1600.0, -1.0, 0.0, 0.0)) {
    fprintf(stderr, "consumer: init answered false\n");
    disposeInstance(p);
    return 1;
  }
  addJob(p, kJob);
  if (!getAlignmentJobCount(p, &count) || count != 1) {
    fprintf(stderr, "consumer: the library does not hold the one job added\n");
    disposeInstance(p);
    return 1;
  }
  arranged = alignmentJobPositionExec(p, &x, &y, &width, &height, 0.0);
  disposeInstance(p);
  if (!arranged) {
    fprintf(stderr, "consumer: alignmentJobPositionExec answered false\n");
    return 1;
  }
  printf("consumer rectangle: x=%f y=%f width=%f height=%f\n", x, y, width, height);
  return 0;
}
