// Folder operations on UTF-8 paths. A path whose file name has an extension
// names a file: its folder is meant.
#pragma once

#include <string>

namespace KvnCommnLibs {

class DirectoryIo {
 public:
  static bool exist(const std::string& path);
  // Makes the folder with every missing parent; true when it exists after.
  static bool create(const std::string& path);
};

}  // namespace KvnCommnLibs
