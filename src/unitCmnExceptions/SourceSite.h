// Where in the source something happened: file, line and the full
// signature of the enclosing function. UNITCMN_SITE captures the current
// one; every error and log record of the library carries one.
#pragma once

struct SourceSite {
  const char* file;
  unsigned line;
  const char* function;
};

#define UNITCMN_SITE (SourceSite{__FILE__, static_cast<unsigned>(__LINE__), __PRETTY_FUNCTION__})
