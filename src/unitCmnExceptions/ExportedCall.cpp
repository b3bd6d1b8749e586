#include "unitCmnExceptions/ExportedCall.h"

#include "unitCmnExceptions/unitCmnExceptions.h"

void ExportedCall::logForeign(const SourceSite& site, const char* comment) noexcept {
  try {
    KvnCmnLog::logError(site, unitCmnExceptions::at(site, comment).message());
  } catch (...) {
    // Out of memory while describing the error: nothing more can be said.
  }
}
