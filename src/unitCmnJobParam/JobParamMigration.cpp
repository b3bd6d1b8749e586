#include "unitCmnJobParam/JobParamMigration.h"

#include <vector>

#include "unitCmnJobParam/BinaryUnitSection.h"
#include "unitCmnJobParam/FieldCodec.h"
#include "unitCmnLib/TypeConvert.h"

namespace {

enum class Scope {
  kSection,           // the named section (made when missing)
  kSectionIfMissing,  // the named section, only when the file lacks it
  kFamily,            // every section whose name contains the word
};

using Edit = void (*)(IniSectionDataEx&);

struct Row {
  float below;
  Scope scope;
  const char* name;
  Edit edit;
};

void setEmptyText(IniSectionDataEx& s, const char* key) { s.setValue(key, std::string()); }
void setEmptyList(IniSectionDataEx& s, const char* key) { s.setValueNonDq(key, std::string()); }
void setDoubles(IniSectionDataEx& s, const char* key, const DoubleList& values) {
  s.setValueNonDq(key, FieldCodec::encode(values));
}

void removeIfPresent(IniSectionDataEx& s, const char* key) {
  if (s.hasKey(key)) s.deleteKey(key);
}

template <class T>
T valueOr(const IniSectionDataEx& s, const char* key, T fallback) {
  if (s.hasKey(key)) s.getValue(key, fallback);
  return fallback;
}

void inkDefaults(IniSectionDataEx& s) {
  s.setValue("applySetting", false);
  s.setValue("inkSaving", false);
  s.setValue("inkSavingLevel", 3);
}

// Binary units are re-saved through their record, so every key the record
// knows is written (missing ones with the values they read as).
void resaveBinaryUnit(IniSectionDataEx& s) {
  BinaryUnitSection unit;
  BinaryUnitSection::table().read(s, unit);
  BinaryUnitSection::table().write(s, unit);
}

const Row kRows[] = {
    {1.01f, Scope::kSection, "Composite", [](IniSectionDataEx& s) { s.setValue("thinning", false); }},
    {1.01f, Scope::kSection, "Edit", [](IniSectionDataEx& s) { s.setValue("compatiWhite", false); }},
    {1.02f, Scope::kSection, "Composite", [](IniSectionDataEx& s) { s.setValue("edgeOptimizerLevel", 1); }},
    {1.03f, Scope::kSection, "Print", [](IniSectionDataEx& s) { s.setValue("mediaThickness", -1.0); }},
    {1.03f, Scope::kFamily, "Arrange",
     [](IniSectionDataEx& s) {
       std::string area;
       if (s.hasKey("printAreaSet")) s.getValueNonDq("printAreaSet", area);
       if (area.empty() && valueOr(s, "placePolicyScan", 0) == 2) s.setValue("placePolicyScan", 0);
     }},
    {1.03f, Scope::kSection, "Edit", [](IniSectionDataEx& s) { s.setValue("lastPrintDate", 0); }},
    {1.04f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) {
       s.setValue("xySlitterMark", false);
       s.setValue("xySlitterMarkOffset", 0.0);
       s.setValue("xySlitterPrintBleed", 0.0);
       s.setValue("xySlitterWidthCopyCnt", 2);
     }},
    {1.04f, Scope::kSection, "Edit", [](IniSectionDataEx& s) { s.setValue("useCalibrationICC", false); }},
    {1.05f, Scope::kSection, "Spool", [](IniSectionDataEx& s) { s.setValue("highSpeedPreRIP", false); }},
    {1.06f, Scope::kFamily, "Feed",
     [](IniSectionDataEx& s) {
       s.setValue("uvDimensionTimes", 0);
       s.setValue("uvDimensionSlant", 0);
       s.setValue("uvDimensionOutputOrder", 0);
       s.setValue("textureMode", 0);
     }},
    {1.06f, Scope::kSection, "Print", [](IniSectionDataEx& s) { s.setValue("taperMediaPrint", false); }},
    {1.07f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) {
       s.setValue("xySlitterImmediateProcessing", true);
       s.setValue("xySlitterWhiteMark", false);
       s.setValue("xySlitterWidthCopyCnt", 1);
     }},
    {1.08f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) {
       s.setValue("xySlitterYCutType", 0);
       const double bleed = valueOr(s, "xySlitterPrintBleed", 0.0);
       s.setValue("xySlitterPrintBleedBottom", bleed);
       s.setValue("xySlitterPrintBleedLeft", bleed);
       s.setValue("xySlitterPrintBleedRight", bleed);
     }},
    {1.08f, Scope::kSection, "Element", [](IniSectionDataEx& s) { s.setValue("ripOverPrint", true); }},
    {1.09f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) {
       s.setValue("insertFFMarginMode", valueOr(s, "sendFfEveryPage", false) ? 1 : 0);
       removeIfPresent(s, "sendFfEveryPage");
     }},
    {1.09f, Scope::kSection, "Composite",
     [](IniSectionDataEx& s) {
       for (const char* key :
            {"pageRegularly", "pageNest", "pageScanCount", "pageMarginScan", "pageMarginFeed"})
         removeIfPresent(s, key);
       if (valueOr(s, "pages", 0) > 1) {
         s.setValue("duplicateRegularly", false);
         s.setValue("moveType", false);
       }
     }},
    {1.09f, Scope::kSection, "Spool", [](IniSectionDataEx& s) { s.setValue("colorAnalysisMode", true); }},
    {1.09f, Scope::kFamily, "Feed", [](IniSectionDataEx& s) { s.setValue("histogramEqualization", true); }},
    {1.10f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) {
       for (const char* key : {"transparencyPrint", "isUseCutter", "rePrint", "rePrintMarkFillAround"})
         s.setValue(key, false);
     }},
    {1.10f, Scope::kFamily, "Layer",
     [](IniSectionDataEx& s) {
       s.setValue("cutSplitCut", false);
       s.setValue("cutSplitCutDivisionLength", 500.0);
       s.setValue("cutSplitCutCrossCutLength", 10.0);
       s.setValue("cutSplitCutSheetFeedOrigin", true);
       s.setValue("cutSplitCutAddPosition", 10.0);
     }},
    {1.10f, Scope::kSection, "Element",
     [](IniSectionDataEx& s) {
       s.setValue("doublePassCreasing", false);
       s.setValue("labMtceBitDepth", 8);
     }},
    {1.10f, Scope::kSection, "Spool", [](IniSectionDataEx& s) { s.setValue("cutCommandParsing", 1); }},
    {1.10f, Scope::kSection, "Edit",
     [](IniSectionDataEx& s) {
       s.setValue("transparencySteep", false);
       setEmptyText(s, "specialLimitCurveColorCode");
       s.setValue("lastCutDate", 0);
       s.setValue("inkSaving", false);
       s.setValue("inkSavingLevel", 3);
     }},
    {1.10f, Scope::kSection, "InkPredict", inkDefaults},
    {1.11f, Scope::kSectionIfMissing, "InkPredict", inkDefaults},
    {1.11f, Scope::kFamily, "Feed",
     [](IniSectionDataEx& s) {
       s.setValue("brailleTexture", false);
       s.setValue("brailleTextureOutputWhite", false);
     }},
    {1.12f, Scope::kSection, "Element", [](IniSectionDataEx& s) { s.setValue("ripCurveSmooth", false); }},
    {1.13f, Scope::kSection, "Element", [](IniSectionDataEx& s) { s.setValue("ripPatternRendering", true); }},
    {1.13f, Scope::kSection, "Variable", [](IniSectionDataEx& s) { s.setValue("applyMonoReplaceJob", true); }},
    {1.14f, Scope::kSection, "Composite",
     [](IniSectionDataEx& s) { s.setValue("specifyDuplicateScanCount", false); }},
    {1.14f, Scope::kSection, "Edit",
     [](IniSectionDataEx& s) { setEmptyText(s, "specialColorReplaceLayerMode"); }},
    {1.15f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) { s.setValue("isUseOptiScoutCutCondition", false); }},
    {1.15f, Scope::kFamily, "Layer",
     [](IniSectionDataEx& s) { setEmptyText(s, "optiScoutCutConditionFileName"); }},
    {1.16f, Scope::kSection, "Job", [](IniSectionDataEx& s) { setEmptyText(s, "GroupingPrimary"); }},
    {1.16f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) {
       setEmptyList(s, "groupingMember");
       s.setValue("groupingMarginScan", 0.0);
       s.setValue("groupingMarginFeed", 0.0);
       s.setValue("groupingDuplicateCount", 1);
       s.setValue("groupingNest", false);
       for (const char* key : {"groupingMarginTop", "groupingMarginBottom", "groupingMarginLeft",
                               "groupingMarginRight"})
         s.setValue(key, 0.0);
       s.setValue("groupingPositionLock", false);
       setDoubles(s, "groupingPosition", {0.0, 0.0});
       setEmptyText(s, "instructQRString");
       setEmptyList(s, "instructQRPosition");
       setDoubles(s, "instructQRSize", {0.0, 0.0});
       s.setValue("alreadyKWSUploaded", 1);
     }},
    {1.16f, Scope::kFamily, "Arrange",
     [](IniSectionDataEx& s) {
       for (const char* key :
            {"arrangeMarginTop", "arrangeMarginBottom", "arrangeMarginLeft", "arrangeMarginRight"})
         s.setValue(key, 0.0);
       s.setValue("arrangeOrder", "None");
     }},
    {1.16f, Scope::kFamily, "Bin", resaveBinaryUnit},
    {1.16f, Scope::kSection, "Composite",
     [](IniSectionDataEx& s) {
       s.setValue("removalBlank", true);
       s.setValue("evenColumnOffsetFeed", 0.0);
       for (const char* key : {"duplicateMarginOuterTop", "duplicateMarginOuterBottom",
                               "duplicateMarginOuterLeft", "duplicateMarginOuterRight"})
         s.setValue(key, 0.0);
       s.setValue("duplicatePositionLock", false);
       s.setValue("evenColumnInvert", false);
       s.setValue("silveringReduction", false);
     }},
    {1.16f, Scope::kSection, "Element", [](IniSectionDataEx& s) { s.setValue("replaceAccuracy", 0); }},
    {1.16f, Scope::kSection, "Spool",
     [](IniSectionDataEx& s) {
       s.setValue("isOfficeCut", false);
       s.setValue("officeCutTombo", true);
       s.setValue("officeCutCopyCount", 1);
       s.setValue("textureAreaRatio", -1.0);
     }},
    {1.16f, Scope::kSection, "JobBasis", [](IniSectionDataEx& s) { setEmptyText(s, "userJobId"); }},
    {1.17f, Scope::kSection, "Print",
     [](IniSectionDataEx& s) {
       setDoubles(s, "regMarkColor", {0, 0, 0, 64});
       setDoubles(s, "fillAroundColor", {0, 64, 64, 0});
       setDoubles(s, "rePrintMarkFillAroundColor", {0, 64, 64, 0});
     }},
};

// The sections a row edits, in file order.
std::vector<std::string> sectionsOf(const ParamIoINI& model, const Row& row) {
  std::vector<std::string> names;
  if (row.scope == Scope::kFamily) {
    for (const auto& name : model.sectionNames())
      if (name.find(row.name) != std::string::npos) names.push_back(name);
  } else if (row.scope == Scope::kSection || !model.sectionExist(row.name)) {
    names.push_back(row.name);
  }
  return names;
}

// Each section is read (or made empty when missing), edited and stored back.
void runRow(ParamIoINI& model, const Row& row) {
  for (const auto& name : sectionsOf(model, row)) {
    IniSectionDataEx section;
    if (model.sectionExist(name)) model.getSectionData(name, &section);
    row.edit(section);
    model.setSectionData(name, section);
  }
}

}  // namespace

std::string JobParamMigration::run(ParamIoINI& model, const std::string& fileVersion) {
  const float from = TypeConvert::toFloat(fileVersion);
  for (const Row& row : kRows)
    if (from < row.below) runRow(model, row);
  return kCurrentVersion;
}
