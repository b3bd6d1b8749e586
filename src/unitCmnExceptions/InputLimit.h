// The one way input that passes a limit is refused, so that every refusal
// reads alike in the log:
//   "<what> exceeds the limit of <limit> <unit>"
// followed by " (<amount>)" when the amount is known (a scan that stops at
// the limit does not know it). The refusal is a unitCmnException (code 3)
// like any other: the reader or execution that meets it answers false.
#pragma once

#include <string>

#include "unitCmnExceptions/SourceSite.h"

class InputLimit {
 public:
  // Raises when amount is above limit; returns otherwise.
  static void require(const SourceSite& site, const std::string& what, unsigned long long amount,
                      unsigned long long limit, const char* unit);
  // Raises the refusal without an amount.
  [[noreturn]] static void refuse(const SourceSite& site, const std::string& what,
                                  unsigned long long limit, const char* unit);
  // The refusal's text; amount is left out when it is the empty text.
  static std::string message(const std::string& what, unsigned long long limit, const char* unit,
                             const std::string& amount);
};
