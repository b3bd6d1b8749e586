#include "unitCmnAlignmentJobPosition/jig/JigWriteBack.h"

#include <cmath>

#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobParam/JobParam.h"

int JigWriteBack::wholeNumber(const char* name, double value) {
  if (!(std::fabs(value) <= 1e6))
    unitCmnGuard::raise(UNITCMN_SITE, std::string("the jig's ") + name +
                                          " is not a usable number (" + std::to_string(value) +
                                          ")");
  return static_cast<int>(std::lround(value));
}

JigWriteBack::JigWriteBack(ArrangeSection templateSection, const JigParam& jig)
    : template_(std::move(templateSection)) {
  template_.compositeKeys.clear();
  template_.mobilePhoneJigUse = jig.useMobilePhoneJig;
  template_.mobilePhoneJigAngle =
      jig.useMobilePhoneJig ? wholeNumber("MobilePhoneJigAngle", jig.mobilePhoneJigAngle) : 0;
  template_.mobilePhoneJigTableHeight =
      jig.useMobilePhoneJig ? wholeNumber("MobilePhoneJigHeight", jig.mobilePhoneJigHeight) : 0;
}

void JigWriteBack::add(int filling, const std::string& name, const BinaryUnitSection& unit) {
  auto found = arrangements_.find(filling);
  if (found == arrangements_.end()) {
    found = arrangements_.emplace(filling, template_).first;
    found->second.arrangeNumber = filling;
  }
  found->second.compositeKeys.push_back(name);
  units_.emplace_back(name, unit);
}

void JigWriteBack::commit(JobParam& primary, const std::vector<JigMember>& members) const {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    primary.replaceArrangement(arrangements_, units_);
    for (const JigMember& m : members)
      if (m.compositeChanged) m.job->setCompositeSection(m.composite);
  });
}
