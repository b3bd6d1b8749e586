#include "JobText.h"

#include <boost/algorithm/string/split.hpp>
#include <boost/algorithm/string/trim.hpp>
#include <boost/filesystem.hpp>
#include <boost/property_tree/ini_parser.hpp>
#include <fstream>
#include <set>
#include <sstream>

#include "CommandLine.h"
#include "ToolError.h"

namespace fs = boost::filesystem;

namespace {

std::string unquoted(std::string text) {
  boost::algorithm::trim(text);
  if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
    text = text.substr(1, text.size() - 2);
  return text;
}

std::vector<std::string> splitList(const std::string& text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  boost::algorithm::split(items, text, [](char c) { return c == ','; });
  return items;
}

}  // namespace

JobText::JobText(std::string origin, std::string text, int statusOnError)
    : origin_(std::move(origin)), text_(std::move(text)) {
  // The library takes a NUL-terminated text; a NUL inside would cut the job.
  if (text_.find('\0') != std::string::npos)
    throw ToolError(statusOnError, origin_ + " is not an INI job file (it holds NUL bytes)");
  std::istringstream in(text_);
  try {
    boost::property_tree::ini_parser::read_ini(in, tree_);
  } catch (const boost::property_tree::ini_parser_error& e) {
    throw ToolError(statusOnError, origin_ + " is not an INI job file: " + e.message() +
                                       " (line " + std::to_string(e.line()) + ")");
  }
}

JobText JobText::fromFile(const std::string& path) {
  boost::system::error_code error;
  const fs::file_status status = fs::status(path, error);
  if (!fs::exists(status)) throw ToolError(ToolError::kUsage, path + ": no such file");
  if (!fs::is_regular_file(status))
    throw ToolError(ToolError::kUsage, path + ": not a regular file");
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  if (!in || !(content << in.rdbuf()) || in.bad())
    throw ToolError(ToolError::kUsage, path + ": cannot be read");
  return JobText(path, content.str(), ToolError::kUsage);
}

std::vector<JobText> JobText::fromFiles(const std::vector<std::string>& paths,
                                        const std::string& outDir) {
  std::vector<JobText> jobs;
  std::set<std::string> names;
  for (const auto& path : paths) {
    jobs.push_back(fromFile(path));
    const std::string name = boost::filesystem::path(path).filename().string();
    if (!names.insert(name).second)
      throw ToolError(ToolError::kUsage, "two job files are named " + name +
                                             "; their outputs would overwrite each other in " +
                                             outDir);
  }
  return jobs;
}

const boost::property_tree::ptree* JobText::section(const std::string& name) const {
  // find() looks at direct children only, so names holding "." need no
  // path escaping.
  const auto found = tree_.find(name);
  return found == tree_.not_found() ? nullptr : &found->second;
}

std::vector<std::string> JobText::sectionNames() const {
  std::vector<std::string> names;
  for (const auto& child : tree_)
    if (!child.second.empty()) names.push_back(child.first);
  return names;
}

bool JobText::hasSection(const std::string& name) const { return section(name) != nullptr; }

boost::optional<std::string> JobText::raw(const std::string& sectionName,
                                          const std::string& key) const {
  const auto* s = section(sectionName);
  if (s == nullptr) return boost::none;
  const auto found = s->find(key);
  if (found == s->not_found()) return boost::none;
  return found->second.data();
}

boost::optional<std::string> JobText::value(const std::string& sectionName,
                                            const std::string& key) const {
  const auto text = raw(sectionName, key);
  if (!text) return boost::none;
  return unquoted(*text);
}

double JobText::number(const std::string& sectionName, const std::string& key,
                       double fallback) const {
  const auto text = value(sectionName, key);
  double out = 0;
  return text && CommandLine::parseNumber(*text, out) ? out : fallback;
}

std::vector<double> JobText::numbers(const std::string& sectionName,
                                     const std::string& key) const {
  std::vector<double> out;
  const auto text = value(sectionName, key);
  if (!text) return out;
  for (const auto& item : splitList(*text)) {
    double v = 0;
    out.push_back(CommandLine::parseNumber(boost::algorithm::trim_copy(item), v) ? v : 0.0);
  }
  return out;
}

std::vector<std::string> JobText::texts(const std::string& sectionName,
                                        const std::string& key) const {
  std::vector<std::string> out;
  const auto text = raw(sectionName, key);
  if (!text) return out;
  for (const auto& item : splitList(*text)) out.push_back(unquoted(item));
  return out;
}

std::string JobText::jobId() const {
  const auto id = value("Job", "JobID");
  if (id && !id->empty()) return *id;
  return fs::path(origin_).stem().string();
}
