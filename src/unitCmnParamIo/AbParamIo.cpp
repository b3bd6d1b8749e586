#include "unitCmnParamIo/AbParamIo.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnLib/DirectoryIo.h"
#include "unitCmnLib/FileIo.h"

namespace {

// Runs body under the usual guard; a failure is logged (severity 13) with
// the operation's signature before it travels on as unitCmnException.
template <class Body>
bool loggedCheck(const SourceSite& site, Body&& body) {
  try {
    return unitCmnGuard::run(site, body);
  } catch (const unitCmnException& e) {
    KvnCmnLog::logError(site, e.message());
    throw;
  }
}

std::string lowerCase(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace

AbParamIo::AbParamIo(std::vector<std::string> extensions) : extensions_(std::move(extensions)) {}

AbParamIo::~AbParamIo() = default;

bool AbParamIo::checkExtension(const std::string& path) const {
  return loggedCheck(UNITCMN_SITE, [&] {
    const std::string extension = lowerCase(KvnCommnLibs::FileIo::getExtension(path));
    if (extension.empty()) return false;
    return std::any_of(extensions_.begin(), extensions_.end(),
                       [&](const std::string& accepted) { return lowerCase(accepted) == extension; });
  });
}

bool AbParamIo::fileExist(const std::string& path) const {
  return loggedCheck(UNITCMN_SITE, [&] { return KvnCommnLibs::FileIo::exist(path); });
}

bool AbParamIo::filePathExist(const std::string& path) const {
  return loggedCheck(UNITCMN_SITE, [&] {
    return KvnCommnLibs::FileIo::exist(path) || KvnCommnLibs::DirectoryIo::create(path);
  });
}

bool AbParamIo::fileCreate(const std::string& path) const {
  return loggedCheck(UNITCMN_SITE, [&] {
    return KvnCommnLibs::FileIo::exist(path) || KvnCommnLibs::FileIo::create(path);
  });
}

bool AbParamIo::deleteFile(const std::string& path) const {
  return loggedCheck(UNITCMN_SITE, [&] {
    return checkExtension(path) && KvnCommnLibs::FileIo::remove(path);
  });
}
