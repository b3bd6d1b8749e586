// An XML parameter file whose fields one XmlFieldTable describes: resets,
// writes and reads them the same way for every such class, written once.
// Derived names its root element (static constexpr const char* kRoot) and
// its table (static const XmlFieldTable<Derived>& table()):
//
//   - initParam: AbXmlParam::initParam, then every field to its default;
//   - setParamToIo: the root, the root's ParamVersion, then the table;
//   - getParamFromIo: the root's ParamVersion when present, then the
//     table, then afterRead, whose answer is the result.
//
// Derived constructors still call their own initParam: this constructor
// runs before Derived's members exist and must not reset them.
#pragma once

#include <string>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnParams/AbXmlParam.h"
#include "unitCmnParams/XmlDefineRange.h"
#include "unitCmnParams/XmlFieldTable.h"

template <class Derived>
class XmlTableParam : public AbXmlParam {
 public:
  void initParam() override {
    unitCmnGuard::run(UNITCMN_SITE, [&] {
      AbXmlParam::initParam();
      Derived::table().reset(derived());
    });
  }

  bool setParamToIo() override {
    return unitCmnGuard::run(UNITCMN_SITE, [&] {
      paramIo.addDefine(Derived::kRoot);
      paramIo.addDefine(std::string(Derived::kRoot) + ".ParamVersion", paramVersion);
      Derived::table().write(paramIo, Derived::kRoot, derived());
      return true;
    });
  }

  bool getParamFromIo() override {
    return unitCmnGuard::run(UNITCMN_SITE, [&] {
      const XmlDefineRange range(paramIo.getDefines());
      if (const IoXmlDefine* version = range.find(std::string(Derived::kRoot) + ".ParamVersion"))
        version->getValue(paramVersion);
      const int found = Derived::table().read(range, Derived::kRoot, derived());
      return afterRead(range, found);
    });
  }

 protected:
  XmlTableParam() = default;
  XmlTableParam(const XmlTableParam&) = default;
  XmlTableParam& operator=(const XmlTableParam&) = default;

  // What a read answers, once the table has read the range; found counts
  // the elements read besides the version. By default: at least one.
  virtual bool afterRead(const XmlDefineRange& range, int found) {
    (void)range;
    return found > 0;
  }

 private:
  Derived& derived() { return static_cast<Derived&>(*this); }
  const Derived& derived() const { return static_cast<const Derived&>(*this); }
};
