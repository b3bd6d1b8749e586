// What a jig run put where, read back from the job texts: the primary job
// (the target's "Primary") holds one "Arrange" + n section per filling of
// the jig, whose "compositeKeys" list the images in the order of the used
// pockets. An image's member is the job named by its "compositeID"; its
// size is that member's "Composite" "scale" less the trims.
//
// The library writes the top-left corner (X, Y) of the turned image's
// bounding box, measured with the untrimmed scale W x H. Turning by
// a = -deskew about the jig origin, that corner lies min(0, -H sin a)
// across and min(0, W sin a) along from the turned image corner; the
// unturned corner follows by turning back. So each image is drawn where
// the library put it, and checked against its pocket unturned.
#pragma once

#include <string>
#include <vector>

#include "JigFile.h"
#include "JobText.h"

struct JigImage {
  std::string job, section;
  int jobIndex = 0, page = 0, row = 0, copy = 0;
  JigPocket pocket;
  double x = 0, y = 0, width = 0, height = 0;  // unturned trimmed image, mm
  double outside = 0;                          // mm beyond the pocket, 0 inside
};

struct JigFilling {
  int number = 0;
  std::vector<JigImage> images;
};

class JigLayout {
 public:
  JigLayout(const JigFile& jig, const std::vector<JobText>& jobs, const std::string& target);

  const std::vector<JigFilling>& fillings() const { return fillings_; }
  // Identifiers of the jobs, in order (JigImage::jobIndex).
  const std::vector<std::string>& jobIds() const { return jobIds_; }
  // Images outside their pockets and units that could not be read.
  const std::vector<std::string>& warnings() const { return warnings_; }

 private:
  void addFilling(const JigFile& jig, const std::vector<JobText>& jobs, const JobText& primary,
                  const std::string& section);
  bool imageOf(const JigFile& jig, const std::vector<JobText>& jobs, const JobText& primary,
               const std::string& key, JigImage& image);

  std::vector<JigFilling> fillings_;
  std::vector<std::string> jobIds_;
  std::vector<std::string> warnings_;
};
