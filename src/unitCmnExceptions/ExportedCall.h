// The frame of every exported operation: the entry record (for the
// operations that write one), the fault scope that lets processor faults
// become exceptions, the catch of everything with the error logged at
// severity 13, and the exit record on every path ("1"/"0" for a bool
// result, empty otherwise). Nothing escapes to the host.
#pragma once

#include <string>
#include <type_traits>

#include "platform/FaultScope.h"
#include "unitCmnExceptions/KvnCmnLog.h"
#include "unitCmnExceptions/SourceSite.h"
#include "unitCmnExceptions/unitCmnGuard.h"

class ExportedCall {
 public:
  enum class Entry { kRecord, kNone };

  // Runs body and answers its result, or failValue when it threw.
  template <class R, class Body>
  static R run(const SourceSite& site, Entry entry, R failValue, Body&& body) noexcept {
    if (entry == Entry::kRecord) KvnCmnLog::write(KvnCmnLog::inout, KvnCmnLog::kEntry, site, "");
    const R result = unitCmnGuard::runOrLog(site, failValue, [&] {
      platform::FaultScope scope;
      return body();
    });
    KvnCmnLog::write(KvnCmnLog::inout, KvnCmnLog::kExit, site, resultText(result));
    return result;
  }

  // The same for an operation without a result.
  template <class Body>
  static void runVoid(const SourceSite& site, Entry entry, Body&& body) noexcept {
    run(site, entry, Nothing{}, [&] { body(); return Nothing{}; });
  }

 private:
  struct Nothing {};

  template <class R>
  static std::string resultText(const R& result) {
    if constexpr (std::is_same_v<R, bool>) return result ? "1" : "0";
    else return std::string();
  }
};
