// Every input limit through the C functions, as a host meets it: the cases
// are the lines of tests/data/limits/limits.txt (input, limit, error). Each
// input is made here for a count n, tried at the limit (accepted: no error
// is logged, and the job or run comes out whole) and one past it (refused
// with exactly the listed error, every job as it was), and the instance
// then still arranges a job.
// Under a sanitizer the inputs of more than 4 MiB are left out (they take
// minutes there); the normal build tries every one.
#include <gtest/gtest.h>

#include <functional>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/LogCapture.h"
#include "support/Sanitizer.h"
#include "support/TestFiles.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

// How an input reaches the library and what "accepted" means for it.
enum class Road {
  job,    // addJob; the job reads back as the text given, or empty
  run,    // addJob, then alignmentJobPositionExec; true, or false
  jig,    // addJob, then alignmentJigPositionExec for job P; true, or false
  param,  // addDeviceFunctionParam; read without an error
  csv,    // a data file raised with variable data of version 1.00
};

struct Input {
  Road road;
  std::function<std::string(size_t)> make;
};

std::string repeat(const std::string& part, size_t times) {
  std::string text;
  text.reserve(part.size() * times);
  for (size_t i = 0; i < times; ++i) text += part;
  return text;
}

// Numbered lines "<prefix><i><suffix>" for i in [from, to).
std::string numbered(const std::string& prefix, const std::string& suffix, size_t from,
                     size_t to) {
  std::string text;
  for (size_t i = from; i < to; ++i) text += prefix + std::to_string(i) + suffix;
  return text;
}

// A job of exactly n bytes: one long value.
std::string jobOfBytes(size_t n) {
  const std::string head = "[Job]\nJobID=\"", tail = "\"\n";
  return head + std::string(n - head.size() - tail.size(), 'x') + tail;
}

// n keys, 10,000 to a section (the most one section may hold).
std::string jobOfKeys(size_t n) {
  std::string text;
  for (size_t first = 0, s = 0; first < n; first += 10000, ++s)
    text += "[S" + std::to_string(s) + "]\n" +
            numbered("k", "=\n", first, std::min(n, first + 10000));
  return text;
}

std::string unitJob(const std::string& composite) {
  return "[Job]\nJobID=\"U\"\n[Composite]\nscale=10,10\n" + composite + "\n";
}

// Job P listing itself n times as a jig member.
std::string jigPrimary(size_t n) {
  return "[Job]\nJobID=\"P\"\nPrimary=\"P\"\n[Print]\nMember=\"P\"" + repeat(",\"P\"", n - 1) +
         "\n[Composite]\nscale=50,80\n";
}

std::string xmlOf(const std::string& inside) {
  return "<DeviceFunction>" + inside + "</DeviceFunction>";
}

// Elements under a root whose dotted names together make n bytes: the root
// has a long name that each child's name repeats, so the names cost far
// more than the text.
std::string xmlOfNameBytes(size_t n) {
  const size_t rootName = 65534, childPath = rootName + 2;  // "R...R.b"
  const size_t children = (n - rootName) / childPath, spare = (n - rootName) % childPath;
  const std::string root(rootName, 'R');
  std::string text = "<" + root + "><b" + std::string(spare, 'b') + "/>";
  text += repeat("<b/>", children - 1);
  return text + "</" + root + ">";
}

// n attributes, 1,000 to an element (the most one element may carry).
std::string xmlOfAttributes(size_t n) {
  std::string text;
  for (size_t first = 0; first < n; first += 1000)
    text += "<a" + numbered(" a", "=\"\"", first, std::min(n, first + 1000)) + "/>";
  return xmlOf(text);
}

const std::map<std::string, Input>& inputs() {
  static const std::map<std::string, Input> all = {
      {"job-text-bytes", {Road::job, jobOfBytes}},
      // Each with a key: the reader drops a section without one.
      {"job-sections", {Road::job, [](size_t n) { return numbered("[S", "]\nk=\n", 0, n); }}},
      {"job-keys-in-one-section",
       {Road::job, [](size_t n) { return "[S]\n" + numbered("k", "=\n", 0, n); }}},
      {"job-keys", {Road::job, jobOfKeys}},
      {"job-list-values",
       {Road::run,
        [](size_t n) { return unitJob("targetPrintPages=" + repeat("1,", n - 1) + "1"); }}},
      {"run-units",
       {Road::run, [](size_t n) { return unitJob("duplicateCount=" + std::to_string(n)); }}},
      {"run-tile-columns",
       {Road::run, [](size_t n) {
          return unitJob("tiling=true\ntileScanDivision=" + std::to_string(n) +
                         "\ntileFeedDivision=1\ntileFeedPositions=10\ntileScanPositions=" +
                         repeat("10,", n - 1) + "10");
        }}},
      {"jig-members", {Road::jig, jigPrimary}},
      {"xml-text-bytes",
       {Road::param,
        [](size_t n) { return xmlOf("<![CDATA[" + std::string(n - 45, 'x') + "]]>"); }}},
      {"xml-depth",
       {Road::param, [](size_t n) { return xmlOf(repeat("<L>", n - 1) + repeat("</L>", n - 1)); }}},
      {"xml-elements", {Road::param, [](size_t n) { return xmlOf(repeat("<a/>", n - 1)); }}},
      {"xml-attributes-on-one",
       {Road::param,
        [](size_t n) { return "<DeviceFunction" + numbered(" a", "=\"\"", 0, n) + "/>"; }}},
      {"xml-attributes", {Road::param, xmlOfAttributes}},
      {"xml-name-bytes", {Road::param, xmlOfNameBytes}},
      {"csv-bytes", {Road::csv, [](size_t n) { return std::string(n, 'x'); }}},
      {"csv-rows", {Road::csv, [](size_t n) { return std::string(n, '\n'); }}},
      {"csv-cells", {Road::csv, [](size_t n) { return std::string(n - 1, ','); }}},
  };
  return all;
}

constexpr size_t kLargestUnderSanitizer = size_t{4} << 20;

struct LimitCase {
  std::string input;
  size_t limit = 0;
  std::string error;
};

std::vector<LimitCase> loadCases() {
  std::vector<LimitCase> cases;
  std::istringstream lines(dataText("limits/limits.txt"));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    LimitCase c;
    fields >> c.input >> c.limit >> std::ws;
    std::getline(fields, c.error);
    cases.push_back(c);
  }
  return cases;
}

std::string jobText(void* p, int index) {
  uint64_t size = 0;
  if (!getAlignmentJobSize(p, index, &size)) return "(no job)";
  std::string text(size, '\0');
  copyAlignmentJobParam(p, text.data(), size);
  return text;
}

// A jig of one pocket and variable data of one record.
constexpr const char* kOnePocket =
    "<Jig><IsDefault>true</IsDefault><BasePictureSizeW>60</BasePictureSizeW>"
    "<BasePictureSizeH>90</BasePictureSizeH><PictureRectangles><PictureRectangle><No>001-001</No>"
    "<Use>true</Use></PictureRectangle></PictureRectangles></Jig>";
constexpr const char* kOneRecord =
    "<VariableDataInfo><DetaFilePath>x</DetaFilePath><RowSettingInfos><RowSettingInfo>"
    "<Use>true</Use><RowNumber>0</RowNumber></RowSettingInfo></RowSettingInfos></VariableDataInfo>";

std::string variableData(const std::string& csvPath) {
  return "<VariableDataInfo><ParamVersion>1.00</ParamVersion><DetaFilePath>" + csvPath +
         "</DetaFilePath></VariableDataInfo>";
}

// Hands text to the library along its road. Answers whether the job read
// back whole or the run answered true; a parameter text answers nothing
// (whether an error was logged tells).
bool hand(void* p, Road road, const std::string& text, const ScratchDir& dir) {
  switch (road) {
    case Road::job:
      addJob(p, text.c_str());
      return jobText(p, 0) == text;
    case Road::run:
    case Road::jig: {
      addJob(p, text.c_str());
      addVariableDataPrintingParam(p, "P", kOneRecord);
      const std::string before = jobText(p, 0);
      const bool arranged = road == Road::run
                                ? alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0)
                                : alignmentJigPositionExec(p, kOnePocket, "P");
      EXPECT_TRUE(arranged || jobText(p, 0) == before) << "a refused run changed the job";
      return arranged;
    }
    case Road::param:
      addDeviceFunctionParam(p, text.c_str());
      return true;
    case Road::csv:
      addVariableDataPrintingParam(p, "K", variableData(dir.put("data.csv", text)).c_str());
      return true;
  }
  return false;
}

// One try: a fresh instance, the text handed over, the errors logged.
struct Outcome {
  bool accepted = false;  // the road's answer; for parameter texts: no error
  std::vector<std::string> errors;
  bool stillArranges = false;
};

Outcome attempt(Road road, const std::string& text) {
  ScratchDir dir;
  LogCapture log;
  Outcome out;
  void* p = CreateInstance();
  init(p, 9, 5, 5, false, 1600, -1, 0, 0);
  out.accepted = hand(p, road, text, dir);
  for (const CapturedRecord& r : log.records(kLogError)) out.errors.push_back(r.message);
  if (road == Road::param || road == Road::csv) out.accepted = out.errors.empty();
  clearJob(p);
  addJob(p, "[Job]\nJobID=\"After\"\n[Composite]\nscale=10,10\n");
  out.stillArranges = alignmentJobPositionExec(p, nullptr, nullptr, nullptr, nullptr, 0);
  disposeInstance(p);
  return out;
}

// Whether an error's comment (the last line of the logged message) is
// exactly comment; any limit's comment when comment is empty.
bool logged(const std::vector<std::string>& errors, const std::string& comment) {
  for (const std::string& e : errors) {
    const size_t at = e.rfind("\nComment :");
    if (at == std::string::npos) continue;
    const std::string actual = e.substr(at + 10);
    if (comment.empty() ? actual.find("exceeds the limit of") != std::string::npos
                        : actual == comment)
      return true;
  }
  return false;
}

}  // namespace

TEST(InputLimits, EachIsAcceptedAtItsLimitAndRefusedOnePastIt) {
  const std::vector<LimitCase> cases = loadCases();
  ASSERT_FALSE(cases.empty());
  for (const LimitCase& c : cases) {
    SCOPED_TRACE(c.input);
    const auto found = inputs().find(c.input);
    ASSERT_NE(found, inputs().end()) << "no generator for " << c.input;
    const Input& input = found->second;
    const std::string atLimit = input.make(c.limit);
    if (kSanitizer != nullptr && atLimit.size() > kLargestUnderSanitizer) {
      std::cout << "left out under the " << kSanitizer << " sanitizer: " << c.input << " ("
                << atLimit.size() << " bytes)\n";
      continue;
    }

    const Outcome at = attempt(input.road, atLimit);
    EXPECT_TRUE(at.accepted);
    EXPECT_FALSE(logged(at.errors, ""));
    EXPECT_TRUE(at.stillArranges);

    const Outcome past = attempt(input.road, input.make(c.limit + 1));
    EXPECT_FALSE(past.accepted);
    EXPECT_TRUE(logged(past.errors, c.error))
        << (past.errors.empty() ? "nothing logged" : past.errors.front());
    EXPECT_TRUE(past.stillArranges);
  }
}
