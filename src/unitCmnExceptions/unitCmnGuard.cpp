#include "unitCmnExceptions/unitCmnGuard.h"

#include "unitCmnExceptions/unitCmnExceptions.h"

void unitCmnGuard::raise(const SourceSite& site, const std::string& comment) {
  throw unitCmnExceptions::at(site, comment);
}

void unitCmnGuard::logForeign(const SourceSite& site, const char* comment) noexcept {
  try {
    KvnCmnLog::logError(site, unitCmnExceptions::at(site, comment).message());
  } catch (...) {
    // Out of memory while describing the error: nothing more can be said.
  }
}
