// The error step of the INI accessors that parameter classes call (the
// IniSectionDataEx values, the sections of AbIniParam): on any failure, log
// one line naming the key or section at severity 13, then raise a fresh
// unitCmnException whose comment is the caught exception's text, so the
// parameter class sees the underlying reason ("invalid stoi argument", ...)
// rather than a nested four-line message.
#pragma once

#include <string>

#include "unitCmnExceptions/unitCmnGuard.h"

class IniParamGuard {
 public:
  static std::string setErrorText(const std::string& key, const std::string& value) {
    return "IniParam setValue error key:" + key + " value:" + value;
  }
  static std::string getErrorText(const std::string& key) {
    return "IniParam getValue error key:" + key;
  }

  // logText makes the line to log; it is called only when something failed,
  // since the accessors run once a key.
  template <class LogText, class Body>
  static auto run(const SourceSite& site, const LogText& logText, Body&& body)
      -> decltype(body()) {
    try {
      // run turns standard and unknown exceptions into unitCmnException, so
      // one clause sees every failure with its text in comment().
      return unitCmnGuard::run(site, body);
    } catch (const unitCmnException& e) {
      KvnCmnLog::logError(site, logText());
      unitCmnGuard::raise(site, e.comment());
    }
  }
};
