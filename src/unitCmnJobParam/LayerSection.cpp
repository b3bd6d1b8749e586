#include "unitCmnJobParam/LayerSection.h"

const SectionTable<LayerSection>& LayerSection::table() {
  static const SectionTable<LayerSection> t{
      {"layerColorType", &LayerSection::layerColorType},
      {"specialColorPositionCorrection", &LayerSection::specialColorPositionCorrection},
      {"specialColorPositionScan", &LayerSection::specialColorPositionScan},
      {"specialColorPositionFeed", &LayerSection::specialColorPositionFeed},
      {"cutAutoCut", &LayerSection::cutAutoCut},
      {"cutMaxCutLen", &LayerSection::cutMaxCutLen},
      {"cutDetailCut", &LayerSection::cutDetailCut},
      {"cutOuterFrameCut", &LayerSection::cutOuterFrameCut},
      {"cutOuterFrameCutCondition", &LayerSection::cutOuterFrameCutCondition},
      {"cutOuterFrameCutTool", &LayerSection::cutOuterFrameCutTool},
      {"cutOuterFrameCutSpeed", &LayerSection::cutOuterFrameCutSpeed},
      {"cutOuterFrameCutPress", &LayerSection::cutOuterFrameCutPress},
      {"cutOuterFrameCutOffset", &LayerSection::cutOuterFrameCutOffset},
      {"cutSort", &LayerSection::cutSort},
      {"cutSheetFeed", &LayerSection::cutSheetFeed},
      {"cutApproximationType", &LayerSection::cutApproximationType},
      {"cutHeadWithdrawal", &LayerSection::cutHeadWithdrawal},
      {"cutHeadOriginUpdate", &LayerSection::cutHeadOriginUpdate},
      {"cutHeadMoveH_Flg", &LayerSection::cutHeadMoveH_Flg},
      {"cutHeadMoveHeight", &LayerSection::cutHeadMoveHeight},
      {"cutHeadMoveW_Flg", &LayerSection::cutHeadMoveW_Flg},
      {"cutHeadMoveWidth", &LayerSection::cutHeadMoveWidth},
      {"cutSplitCut", &LayerSection::cutSplitCut},
      {"cutSplitCutDivisionLength", &LayerSection::cutSplitCutDivisionLength},
      {"cutSplitCutCrossCutLength", &LayerSection::cutSplitCutCrossCutLength},
      {"cutSplitCutSheetFeedOrigin", &LayerSection::cutSplitCutSheetFeedOrigin},
      {"cutSplitCutAddPosition", &LayerSection::cutSplitCutAddPosition},
      {"optiScoutCutConditionFileName", &LayerSection::optiScoutCutConditionFileName},
  };
  return t;
}
