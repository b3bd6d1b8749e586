#include "unitCmnJobParam/ArrangeSection.h"

const SectionTable<ArrangeSection>& ArrangeSection::table() {
  static const SectionTable<ArrangeSection> t{
      {"arrangeNumber", &ArrangeSection::arrangeNumber},
      {"compositeKeys", &ArrangeSection::compositeKeys},
      {"printAreaSet", &ArrangeSection::printAreaSet},
      {"printArea", &ArrangeSection::printArea},
      {"orgPosition", &ArrangeSection::orgPosition},
      {"placePolicyScan", &ArrangeSection::placePolicyScan},
      {"placePolicyFeed", &ArrangeSection::placePolicyFeed},
      {"boundingBox", &ArrangeSection::boundingBox},
      {"boundingBoxUseFRRearPrn", &ArrangeSection::boundingBoxUseFRRearPrn},
      {"relRect", &ArrangeSection::relRect},
      {"mobilePhoneJigUse", &ArrangeSection::mobilePhoneJigUse},
      {"mobilePhoneJigAngle", &ArrangeSection::mobilePhoneJigAngle},
      {"mobilePhoneJigTableHeight", &ArrangeSection::mobilePhoneJigTableHeight},
      {"quorlNumber", &ArrangeSection::quorlNumber},
      {"arrangePolicy", &ArrangeSection::arrangePolicy},
      {"markPrintInformationDeploy", &ArrangeSection::markPrintInformationDeploy},
      {"markPrintInformationColor", &ArrangeSection::markPrintInformationColor},
      {"markPrintInformationLayer", &ArrangeSection::markPrintInformationLayer},
      {"duplexPrintArea", &ArrangeSection::duplexPrintArea},
      {"resultLogFileNamePath", &ArrangeSection::resultLogFileNamePath},
      {"resultLogPrnPath", &ArrangeSection::resultLogPrnPath},
      {"resultLogCutPath", &ArrangeSection::resultLogCutPath},
      {"resultLogKeyList", &ArrangeSection::resultLogKeyList},
      {"resultLogResult", &ArrangeSection::resultLogResult},
      {"arrangeMarginTop", &ArrangeSection::arrangeMarginTop},
      {"arrangeMarginBottom", &ArrangeSection::arrangeMarginBottom},
      {"arrangeMarginLeft", &ArrangeSection::arrangeMarginLeft},
      {"arrangeMarginRight", &ArrangeSection::arrangeMarginRight},
      {"arrangeOrder", &ArrangeSection::arrangeOrder},
  };
  return t;
}
