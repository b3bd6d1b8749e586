// What the register marks of the run (the primary job's "Print" section:
// shape S, size Z, target T, fill-around F) add around a job.
#pragma once

#include "unitCmnJobParam/PrintSection.h"

class RegisterMarks {
 public:
  // Added to both the width and the height of a job: 2Z when S != 0 and
  // T = 1, and 2Z more when F is set for a shape that fills around.
  static double allowance(const PrintSection& print);

  // How much each gap between regular copies shrinks because neighbouring
  // copies share their marks: Z for S = 3, plus 2Z when F is also set.
  static double sharedPerGap(const PrintSection& print);

 private:
  static bool fillsAround(const PrintSection& print);
};
