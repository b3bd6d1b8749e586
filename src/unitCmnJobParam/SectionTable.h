// The description of one section record: its keys in file order, each with
// the record field it fills. One table drives reading, writing, resetting
// and comparing the record, so a section is described once:
//
//   const SectionTable<JobSection>& JobSection::table() {
//     static const SectionTable<JobSection> t{
//         {"JobID", &JobSection::jobID}, {"Primary", &JobSection::primary}, ...};
//     return t;
//   }
//
// The value encoding of each key follows from the field's type (FieldCodec).
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobParam/FieldCodec.h"
#include "unitCmnParamIo/IniParamGuard.h"

template <class Record>
class SectionTable {
 public:
  class Field {
   public:
    template <class T>
    Field(const char* key, T Record::*member)
        : key_(key),
          read_([member](const IniSectionDataEx& s, const std::string& k, Record& r) {
            FieldCodec::read(s, k, r.*member);
          }),
          write_([member](IniSectionDataEx& s, const std::string& k, const Record& r) {
            FieldCodec::write(s, k, r.*member);
          }),
          equal_([member](const Record& a, const Record& b) { return a.*member == b.*member; }),
          reset_([member](Record& r) { r.*member = T{}; }) {}

    const std::string& key() const { return key_; }

   private:
    friend class SectionTable;
    std::string key_;
    std::function<void(const IniSectionDataEx&, const std::string&, Record&)> read_;
    std::function<void(IniSectionDataEx&, const std::string&, const Record&)> write_;
    std::function<bool(const Record&, const Record&)> equal_;
    std::function<void(Record&)> reset_;
  };

  SectionTable(std::initializer_list<Field> fields) : fields_(fields) {}

  // Every field is reset just before its key is read; a missing key leaves
  // it reset (0, false, empty).
  void read(const IniSectionDataEx& section, Record& record) const {
    for (const auto& f : fields_) f.read_(section, f.key_, record);
  }

  // Writes every key in table order; keys the record does not know stay.
  void write(IniSectionDataEx& section, const Record& record) const {
    // Room for the table's keys at once where the section lacks some.
    section.reserve(std::max(section.keys().size(), fields_.size()));
    for (const auto& f : fields_) f.write_(section, f.key_, record);
  }

  // Reads every key the section has, one by one, logging each value that
  // does not convert with the section and key named. Answers the number of
  // such values; never throws.
  int checkValues(const IniSectionDataEx& section, const std::string& sectionName) const {
    int bad = 0;
    Record scratch;  // each read sets one field of it; what it holds is not used
    for (const auto& f : fields_) {
      if (!section.hasKey(f.key_)) continue;
      const auto where = [&] {
        return "job file section " + sectionName + ", key " + f.key_ + ": the value does not convert";
      };
      bad += unitCmnGuard::runOrLog(UNITCMN_SITE, 1, [&] {
        IniParamGuard::run(UNITCMN_SITE, where, [&] { f.read_(section, f.key_, scratch); });
        return 0;
      });
    }
    return bad;
  }

  // Sets every field to 0, false or empty (not to the record's defaults).
  void reset(Record& record) const {
    for (const auto& f : fields_) f.reset_(record);
  }

  bool equal(const Record& a, const Record& b) const {
    for (const auto& f : fields_)
      if (!f.equal_(a, b)) return false;
    return true;
  }

  // The keys whose fields differ, in table order.
  std::vector<std::string> differences(const Record& a, const Record& b) const {
    std::vector<std::string> keys;
    for (const auto& f : fields_)
      if (!f.equal_(a, b)) keys.push_back(f.key_);
    return keys;
  }

  std::vector<std::string> keys() const {
    std::vector<std::string> out;
    for (const auto& f : fields_) out.push_back(f.key_);
    return out;
  }

  size_t size() const { return fields_.size(); }

 private:
  std::vector<Field> fields_;
};
