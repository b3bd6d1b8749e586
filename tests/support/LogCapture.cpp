#include "support/LogCapture.h"

#include <boost/log/attributes/value_extraction.hpp>
#include <boost/log/core.hpp>
#include <boost/log/sinks/basic_sink_backend.hpp>
#include <mutex>

#include "unitCmnExceptions/KvnCmnLog.h"

namespace {

std::string text(const boost::log::record_view& rec, const char* name) {
  auto value = boost::log::extract<std::string>(name, rec);
  return value ? *value : std::string();
}

}  // namespace

class LogCapture::Backend
    : public boost::log::sinks::basic_sink_backend<boost::log::sinks::synchronized_feeding> {
 public:
  void consume(const boost::log::record_view& rec) {
    CapturedRecord r;
    auto sev = boost::log::extract<KvnCmnLog::severity_level>("Severity", rec);
    r.severity = sev ? static_cast<int>(*sev) : -1;
    r.message = text(rec, "Message");
    r.inOutType = text(rec, "InOutType");
    r.currentFunction = text(rec, "CurrentFunction");
    r.srcLine = text(rec, "SrcLine");
    r.srcFile = text(rec, "SrcFile");
    r.messageId = text(rec, "messageId");
    const auto& values = rec.attribute_values();
    r.hasLoggerAttributes = values.count("TimeStamp") && values.count("UTCTimeStamp") &&
                            values.count("Process") && values.count("ThreadID");
    std::lock_guard<std::mutex> lock(mutex);
    kept.push_back(r);
  }

  mutable std::mutex mutex;
  std::vector<CapturedRecord> kept;
};

LogCapture::LogCapture()
    : backend_(boost::make_shared<Backend>()),
      sink_(boost::make_shared<boost::log::sinks::synchronous_sink<Backend>>(backend_)) {
  boost::log::core::get()->add_sink(sink_);
}

LogCapture::~LogCapture() { boost::log::core::get()->remove_sink(sink_); }

std::vector<CapturedRecord> LogCapture::records() const {
  std::lock_guard<std::mutex> lock(backend_->mutex);
  return backend_->kept;
}

std::vector<CapturedRecord> LogCapture::records(int severity) const {
  std::vector<CapturedRecord> out;
  for (const auto& r : records())
    if (r.severity == severity) out.push_back(r);
  return out;
}

bool LogCapture::contains(int severity, const std::string& part) const {
  for (const auto& r : records(severity))
    if (r.message.find(part) != std::string::npos) return true;
  return false;
}

void LogCapture::clear() {
  std::lock_guard<std::mutex> lock(backend_->mutex);
  backend_->kept.clear();
}
