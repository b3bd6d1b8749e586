#include "unitCmnExceptions/unitCmnExceptions.h"

#include <cstdio>
#include <cstring>

#include "platform/LastError.h"

namespace {

void copyCut(char* target, size_t capacity, const char* text) {
  std::snprintf(target, capacity, "%s", text ? text : "");
}

unsigned long long asUll(uint64_t value) { return static_cast<unsigned long long>(value); }

}  // namespace

unitCmnExceptions::unitCmnExceptions(uint32_t errorCode,
                                     const platform::FaultPointers* fault,
                                     const char* sourceFile, unsigned sourceLine,
                                     const std::string& comment)
    : info_(new ErrorInfo) {
  info_->errorCode = errorCode;
  copyCut(info_->sourceFile, sizeof info_->sourceFile, sourceFile);
  info_->sourceLine = sourceLine;
  copyCut(info_->comment, sizeof info_->comment, comment.c_str());
  info_->valid = 1;
  info_->lastError = platform::LastError::get();
  if (fault != nullptr && fault->record != nullptr) {
    info_->exceptionRecord = *fault->record;
    if (fault->context != nullptr) info_->context = *fault->context;
    copyCut(info_->information, sizeof info_->information,
            describeFault(*fault->record).c_str());
  }
}

unitCmnExceptions::~unitCmnExceptions() = default;

unitCmnException unitCmnExceptions::at(const SourceSite& site, const std::string& comment) {
  return unitCmnExceptions(ErrorInfo::kDefaultCode, nullptr, site.file, site.line, comment)
      .exception();
}

std::string unitCmnExceptions::describeFault(const platform::FaultRecord& record) {
  char text[ErrorInfo::kTextCapacity];
  const uint64_t* param = record.parameters;
  switch (record.code) {
    case platform::kAccessViolation:
      std::snprintf(text, sizeof text,
                    "The instruction at 0x%llX referenced memory at 0x%llX. "
                    "The memory could not be %s.",
                    asUll(record.address), asUll(param[1]), param[0] ? "write" : "read");
      break;
    case platform::kInPageError:
      std::snprintf(text, sizeof text,
                    "The instruction at 0x%llX referenced memory at 0x%llX. "
                    "The required data was not placed into memory because of "
                    "an I/O error status of 0x%llX.",
                    asUll(record.address), asUll(param[1]), asUll(param[2]));
      break;
    default:
      // A lone parameter is printed as a number: nothing here can tell
      // whether it points to text.
      if (record.numberParameters == 1)
        std::snprintf(text, sizeof text, "Address : 0x%llX 0x%llX",
                      asUll(record.address), asUll(param[0]));
      else
        std::snprintf(text, sizeof text, "Address : 0x%llX", asUll(record.address));
      break;
  }
  return text;
}

void unitCmnExceptions::throwFault(const platform::FaultPointers& fault) {
  throw unitCmnExceptions(ErrorInfo::kDefaultCode, &fault, kFaultSourceFile,
                          kFaultSourceLine, std::string())
      .exception();
}
