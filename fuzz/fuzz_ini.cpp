// The INI reader on arbitrary text, twice: the raw model (ParamIoINI) and a
// job read from it (JobParam, with the raising of older versions). Whatever
// reads must write a text that reads back to the same model: read, write,
// read again, and the second model is the first. One loss is by design: a
// section without keys (a key before the first header) is written as a
// bare "[name]" line, which the reader drops like every empty section.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzCheck.h"
#include "unitCmnJobParam/JobParam.h"
#include "unitCmnParamIo/ParamIoINI.h"

namespace {

// The model's text without its sections that have no keys.
std::string keyedText(const ParamIoINI& model) {
  std::string text;
  for (const std::string& name : model.sectionNames()) {
    IniSectionData section;
    if (model.getSectionData(name, &section) && !section.keys().empty())
      text += "[" + name + "]\n" + section.toString();
  }
  return text;
}

void modelRoundTrip(const std::string& text) {
  ParamIoINI first;
  try {
    if (!first.readText(text)) return;
  } catch (...) {
    return;  // a syntax error is refused by raising; that is the contract
  }
  const std::string written = first.toString();
  ParamIoINI second;
  try {
    second.readText(written);
  } catch (...) {
    fuzzcheck::fail("written INI text does not read", text, written);
  }
  fuzzcheck::checkSame("INI model changed on its way through text", keyedText(first),
                       second.toString());
}

void jobRoundTrip(const std::string& text) {
  JobParam first;
  if (!first.readParamData(text)) return;
  std::string written;
  first.toText(written);
  JobParam second;
  if (!second.readParamData(written) && !keyedText(first.model()).empty())
    fuzzcheck::fail("written job text does not read", text, written);
  std::string again;
  second.toText(again);
  fuzzcheck::checkSame("job changed on its way through text", keyedText(first.model()), again);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool quiet = (fuzzcheck::logOff(), true);
  (void)quiet;
  const std::string text(reinterpret_cast<const char*>(data), size);
  modelRoundTrip(text);
  jobRoundTrip(text);
  return 0;
}
