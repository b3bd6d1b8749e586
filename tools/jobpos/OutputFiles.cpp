#include "OutputFiles.h"

#include <boost/filesystem.hpp>
#include <fstream>
#include <unistd.h>

#include "ToolError.h"

namespace fs = boost::filesystem;

namespace {

fs::path temporaryBeside(const fs::path& target) {
  return target.parent_path() /
         ("." + target.filename().string() + ".jobpos-" + std::to_string(::getpid()) + ".tmp");
}

void removeQuietly(const std::vector<fs::path>& paths) {
  for (const auto& p : paths) {
    boost::system::error_code ignored;
    fs::remove(p, ignored);
  }
}

// The outermost folder of path that does not exist yet (empty when all do).
fs::path firstMissing(const fs::path& folder) {
  fs::path missing;
  for (fs::path p = folder; !p.empty(); p = p.parent_path()) {
    boost::system::error_code ignored;
    if (fs::exists(p, ignored)) break;
    missing = p;
  }
  return missing;
}

}  // namespace

void OutputFiles::add(const fs::path& target, std::string text) {
  const fs::path clean = target.lexically_normal();
  for (const auto& f : files_)
    if (f.first == clean)
      throw ToolError(ToolError::kUsage,
                      "two outputs would both be written to " + clean.string() +
                          " (job files with the same name?)");
  files_.emplace_back(clean, std::move(text));
}

void OutputFiles::commit() {
  std::vector<fs::path> written;
  std::vector<fs::path> madeFolders;  // removed again when a write fails
  auto fail = [&](const std::string& message) {
    removeQuietly(written);
    for (auto it = madeFolders.rbegin(); it != madeFolders.rend(); ++it) {
      boost::system::error_code ignored;
      fs::remove_all(*it, ignored);
    }
    return ToolError(ToolError::kUsage, message);
  };
  // A target that is a folder would fail only at its rename, after others
  // were renamed: refuse it before anything is written.
  for (const auto& f : files_) {
    boost::system::error_code ignored;
    if (fs::is_directory(f.first, ignored))
      throw ToolError(ToolError::kUsage, "cannot write " + f.first.string() + ": it is a folder");
  }
  for (const auto& f : files_) {
    boost::system::error_code error;
    const fs::path folder = f.first.parent_path();
    if (!folder.empty()) {
      const fs::path missing = firstMissing(folder);
      fs::create_directories(folder, error);
      if (!error && !missing.empty()) madeFolders.push_back(missing);
    }
    if (error) throw fail("cannot make folder " + folder.string() + ": " + error.message());
    const fs::path temporary = temporaryBeside(f.first);
    std::ofstream out(temporary.string(), std::ios::binary | std::ios::trunc);
    if (out) written.push_back(temporary);
    if (!out || !out.write(f.second.data(), static_cast<std::streamsize>(f.second.size())) ||
        !out.flush())
      throw fail("cannot write " + f.first.string());
  }
  for (size_t i = 0; i < files_.size(); ++i) {
    boost::system::error_code error;
    fs::rename(written[i], files_[i].first, error);
    if (error) {
      removeQuietly(std::vector<fs::path>(written.begin() + i, written.end()));
      throw ToolError(ToolError::kUsage,
                      "cannot write " + files_[i].first.string() + ": " + error.message());
    }
  }
}

std::vector<JobText> OutputFiles::addArranged(const std::vector<JobText>& jobs,
                                              const std::vector<std::string>& texts,
                                              const boost::filesystem::path& outDir) {
  if (texts.size() != jobs.size())
    throw ToolError(ToolError::kLibraryFalse,
                    "the library handed back " + std::to_string(texts.size()) + " jobs for " +
                        std::to_string(jobs.size()) + " job files");
  std::vector<JobText> arranged;
  for (size_t i = 0; i < texts.size(); ++i) {
    const boost::filesystem::path target =
        outDir / boost::filesystem::path(jobs[i].origin()).filename();
    arranged.emplace_back(target.string(), texts[i], ToolError::kLibraryFalse);
    add(target, texts[i]);
  }
  return arranged;
}
