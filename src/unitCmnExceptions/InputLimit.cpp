#include "unitCmnExceptions/InputLimit.h"

#include "unitCmnExceptions/unitCmnGuard.h"

void InputLimit::require(const SourceSite& site, const std::string& what,
                         unsigned long long amount, unsigned long long limit, const char* unit) {
  if (amount <= limit) return;
  unitCmnGuard::raise(site, message(what, limit, unit, std::to_string(amount)));
}

void InputLimit::refuse(const SourceSite& site, const std::string& what, unsigned long long limit,
                        const char* unit) {
  unitCmnGuard::raise(site, message(what, limit, unit, std::string()));
}

std::string InputLimit::message(const std::string& what, unsigned long long limit,
                                const char* unit, const std::string& amount) {
  std::string text = what + " exceeds the limit of " + std::to_string(limit) + " " + unit;
  if (!amount.empty()) text += " (" + amount + ")";
  return text;
}
