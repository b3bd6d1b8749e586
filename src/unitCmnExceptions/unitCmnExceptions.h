// Builds unitCmnException: fills a heap ErrorInfo (code, source, comment,
// the thread's last error and, for a processor fault, the fault records and
// a text describing them) and hands out copies of it as exceptions.
#pragma once

#include <memory>
#include <string>

#include "unitCmnExceptions/ErrorInfo.h"
#include "unitCmnExceptions/SourceSite.h"
#include "unitCmnExceptions/unitCmnException.h"

class unitCmnExceptions {
 public:
  // Source named by exceptions that come from processor faults.
  static constexpr const char* kFaultSourceFile =
      "UnitCmn/unitCmnSrc/unitCmnExceptions/unitCmnExceptions";
  static constexpr unsigned kFaultSourceLine = 450;

  // fault may be null. Paths and comments longer than the block holds are
  // cut to fit.
  unitCmnExceptions(uint32_t errorCode, const platform::FaultPointers* fault,
                    const char* sourceFile, unsigned sourceLine,
                    const std::string& comment);
  virtual ~unitCmnExceptions();

  unitCmnException exception() const { return unitCmnException(*info_); }

  // The exception for code 3 built at site with the given comment.
  static unitCmnException at(const SourceSite& site, const std::string& comment);

  // Text describing a fault record ("The instruction at 0x...").
  static std::string describeFault(const platform::FaultRecord& record);

  // Thrower for the fault translator: builds the exception of a processor
  // fault and throws it.
  [[noreturn]] static void throwFault(const platform::FaultPointers& fault);

 private:
  std::unique_ptr<ErrorInfo> info_;
};
