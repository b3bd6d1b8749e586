#include "LibraryErrors.h"

#include <boost/log/attributes/value_extraction.hpp>
#include <boost/log/core.hpp>
#include <boost/log/sinks/basic_sink_backend.hpp>
#include <boost/log/sinks/sync_frontend.hpp>
#include <boost/make_shared.hpp>
#include <mutex>

#include "LogSink.h"

namespace logging = boost::log;

namespace {

std::mutex gLock;
std::vector<std::string> gRecords;

// A record as one line: line breaks of the composed message become " | ".
std::string oneLine(const std::string& text) {
  std::string out;
  for (const char c : text) {
    if (c == '\r' || c == '\t') continue;
    if (c == '\n') out += " | ";
    else out += c;
  }
  while (out.size() >= 3 && out.compare(out.size() - 3, 3, " | ") == 0) out.resize(out.size() - 3);
  return out;
}

class KeepingBackend
    : public logging::sinks::basic_sink_backend<logging::sinks::synchronized_feeding> {
 public:
  void consume(const logging::record_view& record) {
    const auto message = logging::extract<std::string>("Message", record);
    const std::lock_guard<std::mutex> hold(gLock);
    gRecords.push_back(oneLine(message ? *message : std::string()));
  }
};

}  // namespace

void LibraryErrors::install() {
  using Sink = logging::sinks::synchronous_sink<KeepingBackend>;
  auto sink = boost::make_shared<Sink>();
  sink->set_filter([](const logging::attribute_value_set& values) {
    return LogSink::severityOf(values) >= LogSink::kError;
  });
  logging::core::get()->add_sink(sink);
}

std::size_t LibraryErrors::count() {
  const std::lock_guard<std::mutex> hold(gLock);
  return gRecords.size();
}

std::vector<std::string> LibraryErrors::since(std::size_t mark) {
  const std::lock_guard<std::mutex> hold(gLock);
  if (mark >= gRecords.size()) return {};
  return std::vector<std::string>(gRecords.begin() + static_cast<std::ptrdiff_t>(mark),
                                  gRecords.end());
}

std::string LibraryErrors::lastSince(std::size_t mark) {
  const auto records = since(mark);
  return records.empty() ? std::string() : records.back();
}
