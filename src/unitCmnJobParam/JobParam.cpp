#include "unitCmnJobParam/JobParam.h"

#include <algorithm>
#include <charconv>
#include <tuple>
#include <utility>

#include "unitCmnExceptions/unitCmnGuard.h"

namespace {
constexpr const char* kJob = "Job";
constexpr const char* kParamVersion = "ParamVersion";

// Appends value as printf's "%0<width>d" writes it: the sign first, then
// zeros up to width characters in all.
void appendZeroPadded(std::string& out, int value, int width) {
  char digits[16];
  const char* end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  const char* first = digits;
  if (value < 0) out += *first++;
  const int length = static_cast<int>(end - digits);
  if (length < width) out.append(static_cast<std::size_t>(width - length), '0');
  out.append(first, end);
}
}  // namespace

JobParam::JobParam() {
  currentVersion = kCurrentVersion;
  paramVersion = kCurrentVersion;
}

JobParam::~JobParam() = default;

void JobParam::versionUp() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!versionIsBelowCurrent()) return;
    paramVersion = JobParamMigration::run(paramIo, paramVersion);
    setParamToIo();
    if (!filePath.empty()) writeParam();
  });
}

bool JobParam::setParamToIo() {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    IniSectionDataEx job;
    if (paramIo.sectionExist(kJob)) getSectionData(kJob, &job);
    job.setValue(kParamVersion, paramVersion);
    setSectionData(kJob, std::move(job));
    return true;
  });
}

// A file without "Job", or whose "Job" has no version, counts as current.
bool JobParam::getParamFromIo() {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    IniSectionDataEx job;
    if (!paramIo.sectionExist(kJob) || !getSectionData(kJob, &job)) return true;
    std::string version;
    if (job.hasKey(kParamVersion) && job.getValue(kParamVersion, version)) paramVersion = version;
    return true;
  });
}

template <class Record>
bool JobParam::getRecord(const std::string& name, Record& out) const {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    Record::table().reset(out);
    IniSectionDataEx section;
    if (!getSectionData(name, &section)) return false;
    Record::table().read(section, out);
    return true;
  });
}

template <class Record>
void JobParam::setRecord(const std::string& name, const Record& in) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    IniSectionDataEx section;
    if (paramIo.sectionExist(name)) getSectionData(name, &section);
    Record::table().write(section, in);
    setSectionData(name, std::move(section));
  });
}

template <class Record>
void JobParam::getFamily(const char* word, std::map<std::string, Record>& out) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    out.clear();
    for (const auto& name : sectionsContaining(word)) getRecord(name, out[name]);
  });
}

std::vector<std::string> JobParam::sectionsContaining(const char* word) const {
  std::vector<std::string> names;
  for (const auto& name : paramIo.sectionNames())
    if (name.find(word) != std::string::npos) names.push_back(name);
  return names;
}

void JobParam::deleteSectionsContaining(const char* word) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    paramIo.deleteSections(sectionsContaining(word));
  });
}

void JobParam::getJobSection(JobSection& out) const {
  JobSection::table().reset(out);
  if (paramIo.sectionExist(kJob)) getRecord(kJob, out);
}

bool JobParam::getPrintSection(PrintSection& out) const { return getRecord("Print", out); }
void JobParam::setPrintSection(const PrintSection& in) { setRecord("Print", in); }
bool JobParam::getCompositeSection(CompositeSection& out) const {
  return getRecord("Composite", out);
}
void JobParam::setCompositeSection(const CompositeSection& in) { setRecord("Composite", in); }
bool JobParam::getSpoolSection(SpoolSection& out) const { return getRecord("Spool", out); }
bool JobParam::getVariableSection(VariableSection& out) const { return getRecord("Variable", out); }
void JobParam::setInkPredictSection(const InkPredictSection& in) { setRecord("InkPredict", in); }

void JobParam::getFeedSections(std::map<std::string, FeedSection>& out) const {
  getFamily("Feed", out);
}
void JobParam::getLayerSections(std::map<std::string, LayerSection>& out) const {
  getFamily("Layer", out);
}
void JobParam::getArrangeSections(std::map<std::string, ArrangeSection>& out) const {
  getFamily("Arrange", out);
}
void JobParam::getBinaryUnitSections(std::map<std::string, BinaryUnitSection>& out) const {
  getFamily("Bin", out);
}
void JobParam::setFeedSection(const std::string& name, const FeedSection& in) {
  setRecord(name, in);
}
void JobParam::setLayerSection(const std::string& name, const LayerSection& in) {
  setRecord(name, in);
}

bool JobParam::getArrangeSection(int arrangeNumber, ArrangeSection& out) const {
  return getRecord("Arrange" + std::to_string(arrangeNumber), out);
}
void JobParam::setArrangeSection(int arrangeNumber, const ArrangeSection& in) {
  setRecord("Arrange" + std::to_string(arrangeNumber), in);
}
void JobParam::deleteArrangeSections() { deleteSectionsContaining("Arrange"); }
void JobParam::deleteBinaryUnitSections() { deleteSectionsContaining("Bin"); }

void JobParam::replaceArrangement(
    const std::map<int, ArrangeSection>& sheets,
    const std::vector<std::pair<std::string, BinaryUnitSection>>& units) {
  deleteArrangeSections();
  deleteBinaryUnitSections();
  for (const auto& sheet : sheets) setArrangeSection(sheet.first, sheet.second);
  for (const auto& unit : units) setBinaryUnitSection(unit.first, unit.second);
}

bool JobParam::getBinaryUnitSection(const std::string& compositeID, int page, int row, int tile1,
                                    int tile2, int copy, BinaryUnitSection& out) const {
  return getRecord(binaryUnitSectionName(compositeID, page, tile1, tile2, copy, row), out);
}

void JobParam::setBinaryUnitSection(const std::string& compositeID, int page, int row, int tile1,
                                    int tile2, int copy, const BinaryUnitSection& in) {
  setRecord(binaryUnitSectionName(compositeID, page, tile1, tile2, copy, row), in);
}

void JobParam::setBinaryUnitSection(const std::string& sectionName, const BinaryUnitSection& in) {
  setRecord(sectionName, in);
}

std::string JobParam::binaryUnitSectionName(const std::string& compositeID, int page, int tile1,
                                            int tile2, int copy, int row) {
  if (compositeID.find(']') != std::string::npos)
    unitCmnGuard::raise(UNITCMN_SITE, "a section name cannot hold ']': \"" + compositeID + "\"");
  // As "%s_P%04d_T%03d-%03d_C%04d_V%04d" formatted into 260 bytes, without
  // printf's cost: a run names one section per unit.
  std::string name = "Bin";
  name.reserve(64 + compositeID.size());
  name += compositeID.c_str();  // up to a NUL, as %s reads it
  for (const auto& [prefix, value, width] : {std::tuple{"_P", page, 4}, {"_T", tile1, 3},
                                             {"-", tile2, 3}, {"_C", copy, 4}, {"_V", row, 4}}) {
    name += prefix;
    appendZeroPadded(name, value, width);
  }
  constexpr std::size_t kFormattedMax = 259;  // the buffer less its NUL
  if (name.size() > 3 + kFormattedMax) name.resize(3 + kFormattedMax);
  return name;
}

template <class Record>
int JobParam::checkSection(const std::string& name) const {
  return unitCmnGuard::runOrLog(UNITCMN_SITE, 0, [&] {
    IniSectionDataEx section;
    if (!paramIo.sectionExist(name) || !getSectionData(name, &section)) return 0;
    return Record::table().checkValues(section, name);
  });
}

int JobParam::checkValues() const {
  int bad = checkSection<JobSection>(kJob) + checkSection<PrintSection>("Print") +
            checkSection<CompositeSection>("Composite") + checkSection<SpoolSection>("Spool") +
            checkSection<VariableSection>("Variable") +
            checkSection<InkPredictSection>("InkPredict");
  for (const auto& name : sectionsContaining("Feed")) bad += checkSection<FeedSection>(name);
  for (const auto& name : sectionsContaining("Layer")) bad += checkSection<LayerSection>(name);
  for (const auto& name : sectionsContaining("Arrange")) bad += checkSection<ArrangeSection>(name);
  for (const auto& name : sectionsContaining("Bin")) bad += checkSection<BinaryUnitSection>(name);
  return bad;
}

void JobParam::toText(std::string& out) const {
  out = unitCmnGuard::run(UNITCMN_SITE, [&] { return paramIo.toString(); });
}
