#include "unitCmnExceptions/KvnCmnLog.h"

#include <boost/log/attributes/clock.hpp>
#include <boost/log/attributes/current_process_name.hpp>
#include <boost/log/attributes/current_thread_id.hpp>
#include <boost/log/sources/record_ostream.hpp>
#include <boost/log/utility/manipulators/add_value.hpp>
#include <cstring>

namespace KvnCmnLog {

BOOST_LOG_GLOBAL_LOGGER_INIT(glob_logger, boost::log::sources::severity_logger_mt<severity_level>) {
  namespace attrs = boost::log::attributes;
  boost::log::sources::severity_logger_mt<severity_level> logger;
  logger.add_attribute("TimeStamp", attrs::local_clock());
  logger.add_attribute("UTCTimeStamp", attrs::utc_clock());
  logger.add_attribute("Process", attrs::current_process_name());
  logger.add_attribute("ThreadID", attrs::current_thread_id());
  return logger;
}

namespace {

const char* baseName(const char* path) {
  const char* slash = std::strrchr(path, '/');
  const char* backslash = std::strrchr(path, '\\');
  const char* last = slash > backslash ? slash : backslash;
  return last ? last + 1 : path;
}

}  // namespace

void setUp() noexcept {
  try {
    glob_logger::get();
  } catch (...) {
    // Left to the first record, which loses itself rather than throw.
  }
}

bool accepts(severity_level severity) noexcept {
  try {
    return static_cast<bool>(
        glob_logger::get().open_record(boost::log::keywords::severity = severity));
  } catch (...) {
    return false;
  }
}

void write(severity_level severity, const char* inOutType, const SourceSite& site,
           const std::string& message) noexcept {
  try {
    auto& logger = glob_logger::get();
    boost::log::record record = logger.open_record(boost::log::keywords::severity = severity);
    if (!record) return;  // filtered out or logging disabled
    {
      boost::log::record_ostream stream(record);
      stream << boost::log::add_value("messageId", std::string())
             << boost::log::add_value("InOutType", std::string(inOutType))
             << boost::log::add_value("CurrentFunction", std::string(site.function))
             << boost::log::add_value("SrcLine", std::to_string(site.line))
             << boost::log::add_value("SrcFile", std::string(baseName(site.file)))
             << message;
    }
    logger.push_record(std::move(record));
  } catch (...) {
    // Logging must never be the reason an operation fails.
  }
}

}  // namespace KvnCmnLog
