// The description of an XML parameter record: its elements in file order,
// each with the field it fills and its default. One table drives reading,
// writing and resetting, so a parameter file is described once:
//
//   static const XmlFieldTable<JigParam> table{
//       {"IsDefault", &JigParam::isDefault, false},
//       {"PdfLineOffsetMode", &JigParam::pdfLineOffsetMode, 1},
//       XmlFieldTable<JigParam>::Field::container("RegisterMark"),
//       {"RegisterMark.RegisterMarkSize", &JigParam::registerMarkSize, 0.0},
//       {"PictureRectangles", &JigParam::pictures, "PictureRectangle", PictureRectangle::table()},
//   };
//
// Paths are relative to a base path (the root element, or one list item).
// Scalars are bool, int, unsigned int, double and std::string. Lists of
// scalars come in two forms: items as repeated elements in a container
// (kItems; reading also accepts one element named by the item holding the
// items joined by ",", and prefers it), or one element whose text joins
// the items with "," (kCommaSeparated). Lists of records are repeated item
// elements, each read and written with the item's own table. A record held
// by value is a container element whose children its own table describes
// ({"CodeSize", &Model::codeSize, CodeSize::table()}). Field::orElse gives
// a field a second way to be read from older elements when none of its own
// is present.
//
// Reading keeps the field (its default after reset) when its element is
// missing and answers how many elements it found; a value that does not
// convert raises unitCmnException with the conversion's message.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "unitCmnParamIo/ParamIoXML.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlListCodec.h"

template <class Record>
class XmlFieldTable {
 public:
  enum class ListForm { kItems, kCommaSeparated };

  class Field {
   public:
    template <class T>
    Field(const char* path, T Record::*member, T defaultValue);
    Field(const char* path, std::string Record::*member, const char* defaultValue)
        : Field(path, member, std::string(defaultValue)) {}
    template <class T>
    Field(const char* path, std::vector<T> Record::*member, ListForm form, const char* item = "");
    template <class Item>
    Field(const char* path, std::vector<Item> Record::*member, const char* item,
          const XmlFieldTable<Item>& itemTable);

    template <class Sub>
    Field(const char* path, Sub Record::*member, const XmlFieldTable<Sub>& subTable);

    // An element that only groups the ones below it: written empty, not
    // read.
    static Field container(const char* path);

    // Reads from the base path and the record; answers how many elements
    // it found.
    using Reader = std::function<int(const XmlDefineRange&, const std::string&, Record&)>;
    // The field, except that when reading finds none of its elements the
    // fallback reads the record instead (from elements of older files) and
    // its count is the field's. Reset and write are the field's own.
    static Field orElse(Field field, Reader fallback);

   private:
    Field() = default;
    friend class XmlFieldTable;
    std::function<void(Record&)> reset_;
    std::function<int(const XmlDefineRange&, const std::string&, Record&)> read_;
    std::function<void(ParamIoXML&, const std::string&, const Record&)> write_;
  };

  XmlFieldTable(std::initializer_list<Field> fields) : fields_(fields) {}

  void reset(Record& record) const {
    for (const auto& f : fields_) f.reset_(record);
  }
  int read(const XmlDefineRange& range, const std::string& base, Record& record) const {
    int found = 0;
    for (const auto& f : fields_) found += f.read_(range, base, record);
    return found;
  }
  void write(ParamIoXML& io, const std::string& base, const Record& record) const {
    for (const auto& f : fields_) f.write_(io, base, record);
  }

 private:
  std::vector<Field> fields_;
};

template <class Record>
template <class T>
XmlFieldTable<Record>::Field::Field(const char* path, T Record::*member, T defaultValue)
    : reset_([member, defaultValue](Record& r) { r.*member = defaultValue; }),
      read_([path, member](const XmlDefineRange& range, const std::string& base, Record& r) {
        const IoXmlDefine* define = range.find(base + "." + path);
        if (define == nullptr) return 0;
        define->getValue(r.*member);
        return 1;
      }),
      write_([path, member](ParamIoXML& io, const std::string& base, const Record& r) {
        io.addDefine(base + "." + path, r.*member);
      }) {}

template <class Record>
template <class T>
XmlFieldTable<Record>::Field::Field(const char* path, std::vector<T> Record::*member,
                                    ListForm form, const char* item)
    : reset_([member](Record& r) { (r.*member).clear(); }),
      read_([path, member, form, item](const XmlDefineRange& range, const std::string& base,
                                       Record& r) {
        auto& list = r.*member;
        const std::string joinedPath = base + "." + (form == ListForm::kItems ? item : path);
        if (const IoXmlDefine* joined = range.find(joinedPath)) {
          list = XmlListCodec::split<T>(joined->value());
          return 1;
        }
        if (form == ListForm::kCommaSeparated) return 0;
        const auto items = range.findAll(base + "." + path + "." + item);
        list.clear();
        for (const IoXmlDefine* define : items) {
          T value{};
          define->getValue(value);
          list.push_back(value);
        }
        return static_cast<int>(items.size());
      }),
      write_([path, member, form, item](ParamIoXML& io, const std::string& base, const Record& r) {
        const auto& list = r.*member;
        if (form == ListForm::kCommaSeparated) {
          io.addDefine(base + "." + path, XmlListCodec::join(list));
          return;
        }
        io.addDefine(base + "." + path);
        for (const T& value : list) io.addDefine(base + "." + path + "." + item, value);
      }) {}

template <class Record>
template <class Item>
XmlFieldTable<Record>::Field::Field(const char* path, std::vector<Item> Record::*member,
                                    const char* item, const XmlFieldTable<Item>& itemTable)
    : reset_([member](Record& r) { (r.*member).clear(); }),
      read_([path, member, item, &itemTable](const XmlDefineRange& range,
                                             const std::string& base, Record& r) {
        const std::string itemPath = base + "." + path + "." + item;
        auto& list = r.*member;
        list.clear();
        int found = 0;
        for (const XmlDefineRange& itemRange : range.items(itemPath)) {
          Item value;
          itemTable.reset(value);
          found += 1 + itemTable.read(itemRange, itemPath, value);
          list.push_back(value);
        }
        return found;
      }),
      write_([path, member, item, &itemTable](ParamIoXML& io, const std::string& base,
                                              const Record& r) {
        const std::string containerPath = base + "." + path;
        io.addDefine(containerPath);
        for (const Item& value : r.*member) {
          io.addDefine(containerPath + "." + item);
          itemTable.write(io, containerPath + "." + item, value);
        }
      }) {}

template <class Record>
typename XmlFieldTable<Record>::Field XmlFieldTable<Record>::Field::container(const char* path) {
  Field f;
  f.reset_ = [](Record&) {};
  f.read_ = [](const XmlDefineRange&, const std::string&, Record&) { return 0; };
  f.write_ = [path](ParamIoXML& io, const std::string& base, const Record&) {
    io.addDefine(base + "." + path);
  };
  return f;
}

template <class Record>
template <class Sub>
XmlFieldTable<Record>::Field::Field(const char* path, Sub Record::*member,
                                    const XmlFieldTable<Sub>& subTable)
    : reset_([member, &subTable](Record& r) { subTable.reset(r.*member); }),
      read_([path, member, &subTable](const XmlDefineRange& range, const std::string& base,
                                      Record& r) {
        // The container counts as found as well as each child inside it.
        const std::string containerPath = base + "." + path;
        const int own = range.find(containerPath) != nullptr ? 1 : 0;
        return own + subTable.read(range, containerPath, r.*member);
      }),
      write_([path, member, &subTable](ParamIoXML& io, const std::string& base, const Record& r) {
        const std::string containerPath = base + "." + path;
        io.addDefine(containerPath);
        subTable.write(io, containerPath, r.*member);
      }) {}

template <class Record>
typename XmlFieldTable<Record>::Field XmlFieldTable<Record>::Field::orElse(Field field,
                                                                           Reader fallback) {
  Reader primary = std::move(field.read_);
  field.read_ = [primary, fallback](const XmlDefineRange& range, const std::string& base,
                                    Record& r) {
    const int found = primary(range, base, r);
    return found > 0 ? found : fallback(range, base, r);
  };
  return field;
}
