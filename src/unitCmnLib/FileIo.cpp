#include "unitCmnLib/FileIo.h"

#include <boost/filesystem.hpp>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/CharCodeConvert.h"
#include "unitCmnLib/DirectoryIo.h"

namespace fs = boost::filesystem;

namespace KvnCommnLibs {
namespace {

// Any entry counts, a dangling symbolic link included, so that remove and
// create also clear those.
bool entryExists(const fs::path& p) { return fs::exists(fs::symlink_status(p)); }

}  // namespace

bool FileIo::exist(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] { return CharCodeConvert::isUtf8(path) && entryExists(path); });
}

// A failed removal (a folder that is not empty, missing rights) answers false
// rather than raising.
bool FileIo::remove(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!CharCodeConvert::isUtf8(path)) return false;
    if (!entryExists(path)) return true;
    boost::system::error_code error;
    return fs::remove(path, error) && !error;
  });
}

bool FileIo::create(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!CharCodeConvert::isUtf8(path) || !remove(path) || !DirectoryIo::create(path)) return false;
    std::ofstream file(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return file.is_open();
  });
}

// Boost.Filesystem's rule: the last dot of the file name onwards, so
// "a.tar.gz" gives ".gz", "a.b/c" gives "" and ".profile" gives ".profile".
// A path that is not valid UTF-8 has no extension.
std::string FileIo::getExtension(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    return CharCodeConvert::isUtf8(path) ? fs::path(path).extension().string() : std::string();
  });
}

// Binary mode: the text is written as given, line ends included.
bool FileIo::open(const std::string& path) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!CharCodeConvert::isUtf8(path) || !fs::is_regular_file(path)) return false;
    if (stream_.is_open()) stream_.close();
    stream_.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return stream_.is_open();
  });
}

bool FileIo::write(const char* data, size_t length) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!stream_.is_open()) return false;
    stream_.write(data, static_cast<std::streamsize>(length));
    return stream_.good();
  });
}

// False when nothing was open or when a write or the final flush failed.
bool FileIo::close() {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!stream_.is_open()) return false;
    stream_.close();
    return !stream_.fail();
  });
}

}  // namespace KvnCommnLibs
