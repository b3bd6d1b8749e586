#include "unitCmnLib/DirectoryIo.h"

#include <boost/filesystem.hpp>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/CharCodeConvert.h"

namespace fs = boost::filesystem;

namespace KvnCommnLibs {
namespace {

// A path whose file name has an extension names a file; its folder is meant.
// An empty result ("file.txt" alone) stands for the current folder.
fs::path folderOf(const std::string& path) {
  const fs::path p(path);
  return p.has_extension() ? p.parent_path() : p;
}

}  // namespace

bool DirectoryIo::exist(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!CharCodeConvert::isUtf8(path)) return false;
    const fs::path folder = folderOf(path);
    return folder.empty() || fs::exists(folder);
  });
}

// Something other than a folder at the path makes the creation fail (false).
bool DirectoryIo::create(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!CharCodeConvert::isUtf8(path)) return false;
    const fs::path folder = folderOf(path);
    if (folder.empty() || fs::is_directory(folder)) return true;
    boost::system::error_code error;
    fs::create_directories(folder, error);
    return !error;
  });
}

}  // namespace KvnCommnLibs
