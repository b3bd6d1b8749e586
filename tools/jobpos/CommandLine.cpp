#include "CommandLine.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "ToolError.h"

namespace {

ToolError usage(const std::string& message) { return ToolError(ToolError::kUsage, message); }

}  // namespace

CommandLine::CommandLine(const std::vector<std::string>& args,
                         const std::set<std::string>& valueOptions,
                         const std::set<std::string>& flagOptions,
                         const std::set<std::string>& listOptions) {
  bool optionsEnded = false;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
      files_.push_back(arg);
      continue;
    }
    if (arg == "--") {
      optionsEnded = true;
      continue;
    }
    const size_t equals = arg.find('=');
    const std::string name = arg.substr(0, equals);
    if (flagOptions.count(name)) {
      if (equals != std::string::npos) throw usage(name + " takes no value");
      if (!flags_.insert(name).second) throw usage(name + " is given twice");
    } else if (valueOptions.count(name) || listOptions.count(name)) {
      std::string value;
      if (equals != std::string::npos) {
        value = arg.substr(equals + 1);
      } else if (i + 1 < args.size()) {
        value = args[++i];
      }
      if (value.empty()) throw usage(name + " needs a value");
      if (listOptions.count(name)) lists_[name].push_back(value);
      else if (!values_.emplace(name, value).second) throw usage(name + " is given twice");
    } else {
      throw usage("unknown option " + name);
    }
  }
}

bool CommandLine::has(const std::string& name) const {
  return values_.count(name) != 0 || flags_.count(name) != 0;
}

std::vector<std::string> CommandLine::all(const std::string& name) const {
  const auto found = lists_.find(name);
  return found == lists_.end() ? std::vector<std::string>() : found->second;
}

std::string CommandLine::text(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) throw usage(name + " is required");
  return found->second;
}

double CommandLine::number(const std::string& name) const {
  const std::string value = text(name);
  double out = 0;
  if (!parseNumber(value, out)) throw usage(name + ": '" + value + "' is not a number");
  return out;
}

double CommandLine::number(const std::string& name, double fallback) const {
  return has(name) ? number(name) : fallback;
}

int CommandLine::integer(const std::string& name) const {
  const std::string value = text(name);
  long out = 0;
  if (!parseInteger(value, out) || out < -1000000 || out > 1000000)
    throw usage(name + ": '" + value + "' is not a whole number");
  return static_cast<int>(out);
}

std::pair<double, double> CommandLine::pair(const std::string& name,
                                            std::pair<double, double> fallback) const {
  if (!has(name)) return fallback;
  const std::string value = text(name);
  const size_t comma = value.find(',');
  std::pair<double, double> out;
  if (comma == std::string::npos || !parseNumber(value.substr(0, comma), out.first) ||
      !parseNumber(value.substr(comma + 1), out.second))
    throw usage(name + ": '" + value + "' is not two numbers A,B");
  return out;
}

bool CommandLine::parseNumber(const std::string& text, double& out) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  errno = 0;
  const double value = std::strtod(text.c_str(), &end);
  if (errno != 0 || end != text.c_str() + text.size() || !std::isfinite(value)) return false;
  out = value;
  return true;
}

bool CommandLine::parseInteger(const std::string& text, long& out) {
  if (text.empty() || std::isspace(static_cast<unsigned char>(text[0]))) return false;
  char* end = nullptr;
  errno = 0;
  const long value = std::strtol(text.c_str(), &end, 10);
  if (errno != 0 || end != text.c_str() + text.size()) return false;
  out = value;
  return true;
}
