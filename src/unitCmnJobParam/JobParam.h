// One print job: the contents of one INI job file, with one section per
// concern. The arrangers read the sections they need as records and write
// their results back through the section operations; the host gets the
// whole text back through toText. Reading an older file raises it to the
// current version ("1.17") and, when it came from a path, writes the
// raised file back there.
//
// Records are values: callers own their copies; the job keeps only the INI
// model. A get resets the record and reads it key by key (a missing key or
// section is logged and leaves its fields reset); a set reads the section
// first so that keys the record does not know survive.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "unitCmnJobParam/ArrangeSection.h"
#include "unitCmnJobParam/BinaryUnitSection.h"
#include "unitCmnJobParam/CompositeSection.h"
#include "unitCmnJobParam/FeedSection.h"
#include "unitCmnJobParam/InkPredictSection.h"
#include "unitCmnJobParam/JobParamMigration.h"
#include "unitCmnJobParam/JobSection.h"
#include "unitCmnJobParam/LayerSection.h"
#include "unitCmnJobParam/PrintSection.h"
#include "unitCmnJobParam/SpoolSection.h"
#include "unitCmnJobParam/VariableSection.h"
#include "unitCmnParams/AbIniParam.h"

class JobParam : public AbIniParam {
 public:
  static constexpr const char* kCurrentVersion = JobParamMigration::kCurrentVersion;

  JobParam();
  ~JobParam() override;

  void versionUp() override;
  bool setParamToIo() override;
  bool getParamFromIo() override;

  // "Job"; a job without that section leaves the record empty, silently.
  void getJobSection(JobSection& out) const;
  bool getPrintSection(PrintSection& out) const;
  void setPrintSection(const PrintSection& in);
  bool getCompositeSection(CompositeSection& out) const;
  void setCompositeSection(const CompositeSection& in);
  bool getSpoolSection(SpoolSection& out) const;
  bool getVariableSection(VariableSection& out) const;
  void setInkPredictSection(const InkPredictSection& in);

  // Every section of a family by name: the names containing "Feed",
  // "Layer", "Arrange", resp. "Bin".
  void getFeedSections(std::map<std::string, FeedSection>& out) const;
  void getLayerSections(std::map<std::string, LayerSection>& out) const;
  void getArrangeSections(std::map<std::string, ArrangeSection>& out) const;
  void getBinaryUnitSections(std::map<std::string, BinaryUnitSection>& out) const;
  void setFeedSection(const std::string& name, const FeedSection& in);
  void setLayerSection(const std::string& name, const LayerSection& in);

  // "Arrange" + arrangeNumber ("Arrange1" for 1).
  bool getArrangeSection(int arrangeNumber, ArrangeSection& out) const;
  void setArrangeSection(int arrangeNumber, const ArrangeSection& in);
  // Removes every section whose name contains "Arrange", resp. "Bin".
  void deleteArrangeSections();
  void deleteBinaryUnitSections();

  bool getBinaryUnitSection(const std::string& compositeID, int page, int row, int tile1,
                            int tile2, int copy, BinaryUnitSection& out) const;
  void setBinaryUnitSection(const std::string& compositeID, int page, int row, int tile1,
                            int tile2, int copy, const BinaryUnitSection& in);
  // The same by the section's name, for units whose name does not follow
  // from their fields.
  void setBinaryUnitSection(const std::string& sectionName, const BinaryUnitSection& in);
  // An arrangement's result in place of the job's: its arrangement and
  // binary-unit sections are removed, then sheets (by number) and units (by
  // section name, in order) written.
  void replaceArrangement(const std::map<int, ArrangeSection>& sheets,
                          const std::vector<std::pair<std::string, BinaryUnitSection>>& units);
  // "Bin" + "%s_P%04d_T%03d-%03d_C%04d_V%04d" of (compositeID, page, tile1,
  // tile2, copy, row), cut to 259 characters. Raises for an identifier
  // holding "]": the section header would end there, and the job's text
  // would not read back.
  static std::string binaryUnitSectionName(const std::string& compositeID, int page, int tile1,
                                           int tile2, int copy, int row);

  // Reads every value of every known section and logs each one that does
  // not convert, naming its section and key, so a bad job file is reported
  // when it is added rather than midway through an arrangement. Answers the
  // number of bad values; never throws.
  int checkValues() const;

  // The whole job as INI text, "[name]" then "key=value" lines.
  void toText(std::string& out) const;

  const ParamIoINI& model() const { return paramIo; }

 private:
  template <class Record>
  bool getRecord(const std::string& name, Record& out) const;
  template <class Record>
  void setRecord(const std::string& name, const Record& in);
  template <class Record>
  int checkSection(const std::string& name) const;
  template <class Record>
  void getFamily(const char* word, std::map<std::string, Record>& out) const;

  // Section names containing word, in file order.
  std::vector<std::string> sectionsContaining(const char* word) const;
  void deleteSectionsContaining(const char* word);
};
