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
// is present. Field::group places more fields of the same record below a
// container, from a table of their own; Field::owned holds an optional
// polymorphic object whose kind a code element chooses (XmlKindTable).
//
// Reading keeps the field (its default after reset) when its element is
// missing and answers how many elements it found; a value that does not
// convert raises unitCmnException with the conversion's message.
#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <stdexcept>
#include <string>
#include <typeinfo>
#include <utility>
#include <vector>

#include "unitCmnParamIo/ParamIoXML.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlListCodec.h"

template <class Base>
class XmlKindTable;

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
    // A record held by value: its container element, then the elements of
    // its own table below it. The table must outlive this one.
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

    // Further elements of this same record, described by a table of their
    // own, below a container element: one description serves a record's
    // fields wherever they are nested. The table must outlive this one.
    static Field group(const char* path, const XmlFieldTable<Record>& table);
    // An optional polymorphic object held through Owner (unique_ptr-like:
    // element_type, get(), reset(pointer)): a container element holding
    // the object's kind code and fields as the kind table describes them
    // (XmlKindTable below); written empty and read as no object when there
    // is none. The kind table must outlive this one.
    template <class Owner>
    static Field owned(const char* path, Owner Record::*member,
                       const XmlKindTable<typename Owner::element_type>& kinds);

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

template <class Record>
typename XmlFieldTable<Record>::Field XmlFieldTable<Record>::Field::group(
    const char* path, const XmlFieldTable<Record>& table) {
  Field f;
  f.reset_ = [&table](Record& r) { table.reset(r); };
  f.read_ = [path, &table](const XmlDefineRange& range, const std::string& base, Record& r) {
    const std::string containerPath = base + "." + path;
    const int own = range.find(containerPath) != nullptr ? 1 : 0;
    return own + table.read(range, containerPath, r);
  };
  f.write_ = [path, &table](ParamIoXML& io, const std::string& base, const Record& r) {
    const std::string containerPath = base + "." + path;
    io.addDefine(containerPath);
    table.write(io, containerPath, r);
  };
  return f;
}

// The kinds of a polymorphic object held through its base class, told
// apart by a code element inside the object's container. Each kind names
// its code and the table of the fields its own class adds; the fields all
// kinds share come from the base class's table:
//
//   static const XmlKindTable<Shape> kinds{
//       "ShapeType", Shape::table(),
//       {{0, Circle::table()}, {1, Square::table()}}};
//
// Reading builds the kind whose code the file holds and fills it (no
// object for a missing code or one no kind has); writing writes the code
// of the held object's exact class, the shared fields, then the kind's
// own. Writing an object of a class no kind names raises.
template <class Base>
class XmlKindTable {
 public:
  class Kind {
   public:
    template <class Derived>
    Kind(int code, const XmlFieldTable<Derived>& table)
        : code_(code),
          make_([] { return std::unique_ptr<Base>(new Derived()); }),
          holds_([](const Base& object) { return typeid(object) == typeid(Derived); }),
          read_([&table](const XmlDefineRange& range, const std::string& base, Base& object) {
            return table.read(range, base, static_cast<Derived&>(object));
          }),
          write_([&table](ParamIoXML& io, const std::string& base, const Base& object) {
            table.write(io, base, static_cast<const Derived&>(object));
          }) {}

   private:
    friend class XmlKindTable;
    int code_;
    std::function<std::unique_ptr<Base>()> make_;
    std::function<bool(const Base&)> holds_;
    std::function<int(const XmlDefineRange&, const std::string&, Base&)> read_;
    std::function<void(ParamIoXML&, const std::string&, const Base&)> write_;
  };

  XmlKindTable(const char* codePath, const XmlFieldTable<Base>& shared,
               std::initializer_list<Kind> kinds)
      : codePath_(codePath), shared_(shared), kinds_(kinds) {}

  // The object described below base, or null; found grows by the number
  // of elements read. A code that does not convert raises.
  std::unique_ptr<Base> read(const XmlDefineRange& range, const std::string& base,
                             int& found) const {
    const IoXmlDefine* codeDefine = range.find(base + "." + codePath_);
    if (codeDefine == nullptr) return nullptr;
    int code = 0;
    codeDefine->getValue(code);
    ++found;
    for (const Kind& kind : kinds_) {
      if (kind.code_ != code) continue;
      std::unique_ptr<Base> object = kind.make_();
      found += shared_.read(range, base, *object);
      found += kind.read_(range, base, *object);
      return object;
    }
    return nullptr;
  }

  void write(ParamIoXML& io, const std::string& base, const Base& object) const {
    for (const Kind& kind : kinds_) {
      if (!kind.holds_(object)) continue;
      io.addDefine(base + "." + codePath_, kind.code_);
      shared_.write(io, base, object);
      kind.write_(io, base, object);
      return;
    }
    throw std::invalid_argument(std::string("no kind of ") + codePath_ +
                                " describes the object to write");
  }

 private:
  const char* codePath_;
  const XmlFieldTable<Base>& shared_;
  std::vector<Kind> kinds_;
};

template <class Record>
template <class Owner>
typename XmlFieldTable<Record>::Field XmlFieldTable<Record>::Field::owned(
    const char* path, Owner Record::*member,
    const XmlKindTable<typename Owner::element_type>& kinds) {
  Field f;
  f.reset_ = [member](Record& r) { (r.*member).reset(); };
  f.read_ = [path, member, &kinds](const XmlDefineRange& range, const std::string& base,
                                   Record& r) {
    const std::string containerPath = base + "." + path;
    int found = range.find(containerPath) != nullptr ? 1 : 0;
    (r.*member).reset(kinds.read(range, containerPath, found).release());
    return found;
  };
  f.write_ = [path, member, &kinds](ParamIoXML& io, const std::string& base, const Record& r) {
    const std::string containerPath = base + "." + path;
    io.addDefine(containerPath);
    if (const auto* object = (r.*member).get()) kinds.write(io, containerPath, *object);
  };
  return f;
}
