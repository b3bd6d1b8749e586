#include "LogSink.h"

#include <boost/core/null_deleter.hpp>
#include <boost/log/attributes/value_extraction.hpp>
#include <boost/log/core.hpp>
#include <boost/log/sinks/sync_frontend.hpp>
#include <boost/log/sinks/text_ostream_backend.hpp>
#include <boost/log/utility/formatting_ostream.hpp>
#include <boost/make_shared.hpp>
#include <algorithm>
#include <iostream>
#include <string>

#include "ToolError.h"

// The library's severity type. The "Severity" attribute is extracted by
// its type, so this must name the same enumeration with the same values.
namespace KvnCmnLog {
enum severity_level { trace = 9, inout = 10, error = 13 };
}

namespace logging = boost::log;

namespace {

const char* severityName(int severity) {
  switch (severity) {
    case KvnCmnLog::trace: return "trace";
    case KvnCmnLog::inout: return "info";
    case KvnCmnLog::error: return "error";
    default: return "?";
  }
}

}  // namespace

void LogSink::install(const std::string& level) {
  int lowest = 0;
  if (level == "trace") {
    lowest = KvnCmnLog::trace;
  } else if (level == "info") {
    lowest = KvnCmnLog::inout;
  } else if (level == "error") {
    lowest = KvnCmnLog::error;
  } else {
    throw ToolError(ToolError::kUsage, "--log: '" + level + "' is not trace, info or error");
  }

  using Sink = logging::sinks::synchronous_sink<logging::sinks::text_ostream_backend>;
  auto sink = boost::make_shared<Sink>();
  sink->locked_backend()->add_stream(boost::shared_ptr<std::ostream>(&std::clog, boost::null_deleter()));
  sink->locked_backend()->auto_flush(true);
  sink->set_filter([lowest](const logging::attribute_value_set& values) {
    return severityOf(values) >= lowest;
  });
  sink->set_formatter([](const logging::record_view& record, logging::formatting_ostream& out) {
    const auto severity = logging::extract<KvnCmnLog::severity_level>("Severity", record);
    const auto function = logging::extract<std::string>("CurrentFunction", record);
    const auto message = logging::extract<std::string>("Message", record);
    const auto inOut = logging::extract<std::string>("InOutType", record);
    out << "jobpos log [" << (severity ? severityName(*severity) : "?") << "] ";
    // Entry and exit records of an operation are marked "-->" and "<--".
    if (inOut && *inOut != " " && !inOut->empty()) out << *inOut << " ";
    out << (function ? *function : std::string("?"));
    if (message && !message->empty()) out << ": " << *message;
  });
  logging::core::get()->add_sink(sink);
  logging::core::get()->set_filter([lowest](const logging::attribute_value_set& values) {
    return severityOf(values) >= std::min(lowest, static_cast<int>(KvnCmnLog::error));
  });
}

void LogSink::errorsOnly() {
  logging::core::get()->set_filter([](const logging::attribute_value_set& values) {
    return severityOf(values) >= KvnCmnLog::error;
  });
}

int LogSink::severityOf(const logging::attribute_value_set& values) {
  const auto severity = logging::extract<KvnCmnLog::severity_level>("Severity", values);
  return severity ? static_cast<int>(*severity) : 0;
}
