// File operations on UTF-8 paths. A path that is not valid UTF-8 answers
// false. File-system errors reported as exceptions raise unitCmnException
// (code 3) with the file system's message.
#pragma once

#include <fstream>
#include <string>

namespace KvnCommnLibs {

class FileIo {
 public:
  // Whether any entry (file or folder) exists at the path.
  static bool exist(const std::string& path);
  // Removes the entry if there is one; true when nothing is left there.
  static bool remove(const std::string& path);
  // Replaces whatever is at the path by an empty file, making its folder.
  static bool create(const std::string& path);
  // The file name's extension from its last dot, dot included; "" if none.
  static std::string getExtension(const std::string& path);

  // A writer: open requires an existing file and truncates it.
  bool open(const std::string& path);
  bool write(const char* data, size_t length);
  bool close();

 private:
  std::ofstream stream_;
};

}  // namespace KvnCommnLibs
