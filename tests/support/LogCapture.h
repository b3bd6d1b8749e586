// Test helper: while alive, keeps every record the library logs (through
// Boost.Log's core) so a test can check messages, severities and
// attributes. Records are kept in memory; nothing is printed.
#pragma once

#include <boost/log/sinks/sync_frontend.hpp>
#include <boost/shared_ptr.hpp>
#include <string>
#include <vector>

#include "unitCmnExceptions/KvnCmnLog.h"

// The severities tests look for, as KvnCmnLog numbers them.
constexpr int kLogTrace = KvnCmnLog::trace;
constexpr int kLogError = KvnCmnLog::error;

struct CapturedRecord {
  int severity = 0;
  std::string message;
  std::string inOutType;
  std::string currentFunction;
  std::string srcLine;
  std::string srcFile;
  std::string messageId;
  bool hasLoggerAttributes = false;  // TimeStamp, UTCTimeStamp, Process, ThreadID
};

class LogCapture {
 public:
  LogCapture();
  ~LogCapture();
  LogCapture(const LogCapture&) = delete;
  LogCapture& operator=(const LogCapture&) = delete;

  std::vector<CapturedRecord> records() const;
  // Records of one severity.
  std::vector<CapturedRecord> records(int severity) const;
  // Whether some record of the severity has a message containing text.
  bool contains(int severity, const std::string& text) const;
  void clear();

 private:
  class Backend;
  boost::shared_ptr<Backend> backend_;
  boost::shared_ptr<boost::log::sinks::synchronous_sink<Backend>> sink_;
};
