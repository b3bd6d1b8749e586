// Base of the storage back-ends (INI, XML, CSV): the accepted file
// extensions and the file-system checks every back-end makes before it
// reads or writes. Paths are UTF-8.
#pragma once

#include <string>
#include <vector>

class AbParamIo {
 public:
  explicit AbParamIo(std::vector<std::string> extensions);
  virtual ~AbParamIo();

  virtual bool readFile(const std::string& path) = 0;
  virtual bool readText(const std::string& text) = 0;
  virtual bool writeFile(const std::string& path) = 0;

  // Whether the path's extension is one of `extensions`, ignoring case.
  bool checkExtension(const std::string& path) const;
  // Whether something (file or folder) exists at the path.
  bool fileExist(const std::string& path) const;
  // True if something exists at the path; otherwise makes the folder that
  // is to hold it and answers whether that worked.
  bool filePathExist(const std::string& path) const;
  // True at once if something exists; otherwise creates an empty file.
  bool fileCreate(const std::string& path) const;
  // Removes the file if its extension is accepted; nothing there counts as
  // removed.
  bool deleteFile(const std::string& path) const;

  const std::vector<std::string>& extensions() const { return extensions_; }

 protected:
  AbParamIo(const AbParamIo&) = default;
  AbParamIo& operator=(const AbParamIo&) = default;

 private:
  std::vector<std::string> extensions_;
};
