// Base of every parameter file (the INI job file and the XML parameter
// files): where its path and versions live, the order of the steps in
// reading, writing and deleting, and the raising of an older file version
// to the class's own.
//
// Readers never throw: a failure is logged (severity 13) and answered
// false. writeParam, deleteParam and versionUp raise unitCmnException.
#pragma once

#include <string>

class AbParamIo;

class AbParam {
 public:
  virtual ~AbParam();

  // Stores the path, resets to defaults, loads the file, takes the values
  // from it and raises an older version. False for an empty path, a wrong
  // extension, a missing file or anything that failed on the way.
  virtual bool readParam(const std::string& path);
  // The same from text in memory; the stored path is left as it was.
  virtual bool readParamData(const std::string& text);
  // Writes to the stored path; false when there is none.
  virtual bool writeParam();
  virtual bool writeParam(const std::string& path);
  // Removes the file at the stored path and forgets the path and the
  // loaded model; false when there is no path or removal failed.
  virtual bool deleteParam();
  // Back to defaults: the version becomes the current version.
  virtual void initParam();
  // Raises paramVersion to currentVersion when it is lower (compared as
  // numbers). Derived classes first add what older versions lacked.
  virtual void versionUp();
  virtual bool setParamToIo() = 0;
  virtual bool getParamFromIo() = 0;

  const std::string& getParamVersion() const { return paramVersion; }
  const std::string& getFilePath() const { return filePath; }
  const std::string& getCurrentVersion() const { return currentVersion; }

 protected:
  AbParam() = default;
  AbParam(const AbParam&) = default;
  AbParam& operator=(const AbParam&) = default;

  virtual AbParamIo& paramIoBase() = 0;
  // Writing steps that differ by back-end: the INI model is kept current as
  // values change, an XML model is rebuilt from the fields first.
  virtual bool prepareWrite() { return true; }
  virtual void afterDelete() = 0;

  // Whether paramVersion is below currentVersion as single-precision
  // numbers; raises "invalid stof argument" for a version that is no number.
  bool versionIsBelowCurrent() const;

  std::string paramVersion = "0.00";
  std::string filePath;
  std::string currentVersion = "0.00";

 private:
  bool finishRead();
};
