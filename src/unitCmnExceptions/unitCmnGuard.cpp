#include "unitCmnExceptions/unitCmnGuard.h"

#include "unitCmnExceptions/unitCmnExceptions.h"

void unitCmnGuard::raise(const SourceSite& site, const std::string& comment) {
  throw unitCmnExceptions::at(site, comment);
}
