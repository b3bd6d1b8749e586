// The whole C interface, as a host calls it, on one script (FuzzScript.h):
// job and parameter texts in, the executions, then every job read back.
// Besides crashes and sanitizer reports it stops on:
//  - a processor fault that the library translated into a false answer
//    (the log record of a fault carries its description after "Info :");
//  - an execution that answered false but changed a job;
//  - a job text read back that does not read back the same through a new
//    instance (but for its sections without keys, which the reader drops
//    by design: a key before the first header makes one);
//  - a read-back protocol answer that breaks the header's contract.
#include <boost/log/attributes/value_extraction.hpp>
#include <boost/log/core.hpp>
#include <boost/log/sinks/basic_sink_backend.hpp>
#include <boost/log/sinks/sync_frontend.hpp>
#include <algorithm>
#include <boost/make_shared.hpp>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "FuzzCheck.h"
#include "FuzzScript.h"
#include "unitCmnAlignmentJobPosition.h"

namespace {

using Words = std::vector<std::string>;

class FaultWatch
    : public boost::log::sinks::basic_sink_backend<boost::log::sinks::concurrent_feeding> {
 public:
  void consume(const boost::log::record_view& record) {
    const auto message = boost::log::extract<std::string>("Message", record);
    if (!message) return;
    const size_t info = message->find("\nInfo :");
    if (info != std::string::npos && info + 7 < message->size() && (*message)[info + 7] != '\n')
      fuzzcheck::fail("a processor fault was translated into a false answer", *message, "");
  }
};

void watchFaults() {
  boost::log::core::get()->add_sink(
      boost::make_shared<boost::log::sinks::synchronous_sink<FaultWatch>>());
}

// Every job's text, through the read-back protocol of the header.
Words readBack(void* p) {
  int count = -7;
  if (!getAlignmentJobCount(p, &count)) return {};
  if (count < 1) fuzzcheck::fail("a job count below one answered true", std::to_string(count), "");
  Words texts;
  for (int i = 0; i < count; ++i) {
    uint64_t size = 0;
    if (!getAlignmentJobSize(p, i, &size)) fuzzcheck::fail("a held job has no size", "", "");
    std::string text(size, '\0');
    if (copyAlignmentJobParam(p, text.data(), size + 1))
      fuzzcheck::fail("a copy of the wrong size answered true", text, "");
    if (!copyAlignmentJobParam(p, text.data(), size))
      fuzzcheck::fail("a copy of the reported size answered false", "", "");
    texts.push_back(text);
  }
  uint64_t size = 99;
  if (getAlignmentJobSize(p, count, &size) || size != 99)
    fuzzcheck::fail("an index beyond the jobs answered true", "", "");
  return texts;
}

// The job text without its "[name]" lines that no key follows.
std::string withoutEmptySections(const std::string& text) {
  std::string kept, header;
  size_t start = 0;
  while (start < text.size()) {
    const size_t end = std::min(text.find('\n', start), text.size());
    const std::string line = text.substr(start, end - start + 1);
    start = end + 1;
    if (line[0] == '[') {
      header = line;
    } else {
      kept += header + line;
      header.clear();
    }
  }
  return kept;
}

std::string joined(const Words& texts) {
  std::string all;
  for (const std::string& t : texts) all += t + "\n----\n";
  return all;
}

class Run {
 public:
  Run() : p_(CreateInstance()) {
    if (p_ == nullptr) fuzzcheck::fail("no instance", "", "");
  }
  ~Run() { disposeInstance(p_); }
  Run(const Run&) = delete;
  Run& operator=(const Run&) = delete;

  void call(const FuzzScript::Call& c) {
    const Words& w = c.words;
    if (c.name == "init") {
      const Words a = FuzzScript::initArguments(w);
      init(p_, static_cast<int>(FuzzScript::integer(a, 0)), FuzzScript::number(a, 1),
           FuzzScript::number(a, 2), FuzzScript::flag(a, 3), FuzzScript::number(a, 4),
           FuzzScript::number(a, 5), FuzzScript::number(a, 6), FuzzScript::number(a, 7));
    } else if (c.name == "job") {
      addJob(p_, c.text.c_str());
    } else if (c.name == "device") {
      addDeviceFunctionParam(p_, c.text.c_str());
    } else if (c.name == "optiscout") {
      InitOptiScoutCutConditionParam(p_, c.text.c_str());
    } else if (c.name == "jigparam") {
      InitJigParam(p_, c.text.c_str());
    } else if (c.name == "jigtext") {
      jigText_ = c.text;
    } else if (c.name == "vdp" && w.size() == 1) {
      addVariableDataPrintingParam(p_, w[0].c_str(), c.text.c_str());
    } else {
      execution(c.name, w);
    }
  }

  // With no execution in the script, one job-position execution.
  void finish() {
    if (executions_ == 0) execution("position", {});
    const Words texts = readBack(p_);
    Run again;
    Words expected;
    for (const std::string& text : texts) {
      addJob(again.p_, text.c_str());
      expected.push_back(withoutEmptySections(text));
    }
    fuzzcheck::checkSame("a job read back reads back differently", joined(expected),
                         joined(readBack(again.p_)));
    clearJob(p_);
    int count = -7;
    if (getAlignmentJobCount(p_, &count) || count != -7)
      fuzzcheck::fail("jobs are left after clearJob", "", "");
  }

 private:
  void execution(const std::string& name, const Words& w) {
    using S = FuzzScript;
    const Words before = readBack(p_);
    bool answer = false;
    double rect[4] = {0, 0, 0, 0};
    if (name == "position") {
      answer = alignmentJobPositionExec(p_, &rect[0], &rect[1], &rect[2], &rect[3], S::number(w, 0));
    } else if (name == "tile") {
      answer = alignmentTilingPositionExec(p_, S::flag(w, 0), S::number(w, 1), S::flag(w, 2),
                                           S::flag(w, 3), S::number(w, 4),
                                           static_cast<int>(S::integer(w, 5)), S::number(w, 6));
    } else if (name == "group") {
      answer = alignmentGroupingJobPositionExec(p_);
    } else if (name == "slitter") {
      answer = alignmentXYSlitterPositionExec(p_, S::flag(w, 0), S::number(w, 1), S::number(w, 2),
                                              S::number(w, 3), S::number(w, 4),
                                              static_cast<unsigned>(S::integer(w, 5)));
    } else if (name == "jig") {
      answer = alignmentJigPositionExec(p_, jigText_.c_str(), w.empty() ? "" : w[0].c_str());
    } else {
      return;  // not a statement: ignored, as the format says
    }
    ++executions_;
    if (!answer)
      fuzzcheck::checkSame("an execution answered false but changed the jobs", joined(before),
                           joined(readBack(p_)));
  }

  void* p_;
  std::string jigText_;
  int executions_ = 0;
};

// Whether the script asks for a run that is big by right rather than by
// fault: more than kMaxCopies copies (duplicateCount times pages, summed
// over the jobs) or variable-data rows. The library takes up to 100,000
// units, about a second in a release build but a minute under the
// sanitizers, far beyond the 2 s an input may take; such runs are left to
// the tests and benchmarks, so a timeout here always means a fault.
constexpr long kMaxCopies = 1000;

long largestAfter(const std::string& text, const std::string& key) {
  long largest = 1;
  for (size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + 1))
    largest = std::max(largest, std::strtol(text.c_str() + at + key.size(), nullptr, 10));
  return largest;
}

bool bigByRight(const FuzzScript& script) {
  long copies = 0, rows = 0;
  for (const FuzzScript::Call& c : script.calls()) {
    if (c.name == "job")
      copies += std::min(largestAfter(c.text, "duplicateCount="), kMaxCopies + 1) *
                std::min(largestAfter(c.text, "pages="), kMaxCopies + 1);
    for (size_t at = c.text.find("<RowSettingInfo"); at != std::string::npos;
         at = c.text.find("<RowSettingInfo", at + 1))
      ++rows;
  }
  return copies > kMaxCopies || rows > kMaxCopies;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool watching = (watchFaults(), true);
  (void)watching;
  const FuzzScript script(std::string(reinterpret_cast<const char*>(data), size));
  if (bigByRight(script)) return 0;
  Run run;
  for (const FuzzScript::Call& c : script.calls()) run.call(c);
  run.finish();
  return 0;
}
