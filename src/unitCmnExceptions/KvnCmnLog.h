// The library's one logger, KvnCmnLog::glob_logger: a thread-safe Boost.Log
// severity logger shared by every instance. setUp creates it; the library
// calls it when it is loaded, because Boost.Log's creation on first use is
// not safe when several threads make the first use at once. It
// carries "TimeStamp", "UTCTimeStamp", "Process" and "ThreadID"; each record
// adds "messageId", "InOutType", "CurrentFunction", "SrcLine" and "SrcFile".
//
// The library adds no sink: where records go is up to the host. With no
// sink at all Boost.Log prints to the console.
#pragma once

#include <boost/log/sources/global_logger_storage.hpp>
#include <boost/log/sources/severity_logger.hpp>
#include <string>

#include "unitCmnExceptions/SourceSite.h"

namespace KvnCmnLog {

// Only these three levels are used.
enum severity_level {
  trace = 9,   // diagnostic traces inside algorithms
  inout = 10,  // entry and exit records of the exported operations
  error = 13,
};

// Values of the "InOutType" record attribute.
constexpr const char* kEntry = "-->";
constexpr const char* kExit = "<--";
constexpr const char* kPlain = " ";

BOOST_LOG_GLOBAL_LOGGER(glob_logger, boost::log::sources::severity_logger_mt<severity_level>)

// Creates the logger if it does not exist yet. Never throws.
void setUp() noexcept;

// Writes one record. Never throws: a record that cannot be written is lost.
void write(severity_level severity, const char* inOutType, const SourceSite& site,
           const std::string& message) noexcept;

// Whether a record of this severity would be kept now (logging enabled and
// the host's filters pass it), so that a long trace is not formatted only to
// be dropped. Never throws; answers false where it cannot tell.
bool accepts(severity_level severity) noexcept;

inline void logError(const SourceSite& site, const std::string& message) noexcept {
  write(error, kPlain, site, message);
}

inline void logTrace(const SourceSite& site, const std::string& message) noexcept {
  write(trace, kPlain, site, message);
}

}  // namespace KvnCmnLog
