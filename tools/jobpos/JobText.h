// One job file's text, checked with Boost.PropertyTree's INI reader, and
// read access to its values. Values come back without the double quotes
// job files put around texts.
#pragma once

#include <boost/optional.hpp>
#include <boost/property_tree/ptree.hpp>
#include <string>
#include <vector>

class JobText {
 public:
  // Reads the text; throws ToolError (status given) when the INI reader
  // refuses it, naming origin and the reader's line.
  JobText(std::string origin, std::string text, int statusOnError);
  // Reads a file; throws ToolError(2) when it is missing, unreadable or not
  // INI text.
  static JobText fromFile(const std::string& path);
  // Reads every file; throws ToolError(2) as fromFile does, and when two
  // files share a name, since their outputs would overwrite each other in
  // outDir.
  static std::vector<JobText> fromFiles(const std::vector<std::string>& paths,
                                        const std::string& outDir);

  const std::string& origin() const { return origin_; }
  const std::string& text() const { return text_; }

  // Section names in file order.
  std::vector<std::string> sectionNames() const;
  bool hasSection(const std::string& section) const;
  boost::optional<std::string> value(const std::string& section, const std::string& key) const;
  // A number, or fallback when the key is absent or not a number.
  double number(const std::string& section, const std::string& key, double fallback) const;
  // A comma-separated list; items that are not numbers count as 0.
  std::vector<double> numbers(const std::string& section, const std::string& key) const;
  // A comma-separated list of texts, each without its quotes.
  std::vector<std::string> texts(const std::string& section, const std::string& key) const;
  // "JobID" of section "Job", else the file's stem.
  std::string jobId() const;

 private:
  const boost::property_tree::ptree* section(const std::string& name) const;
  // The value as written (quotes kept).
  boost::optional<std::string> raw(const std::string& section, const std::string& key) const;

  std::string origin_;
  std::string text_;
  boost::property_tree::ptree tree_;
};
