// The cutting settings of one layer: every section whose name contains
// "Layer". The library carries these values through for the host.
#pragma once

#include <string>

#include "unitCmnJobParam/SectionTable.h"

struct LayerSection {
  int layerColorType{};
  bool specialColorPositionCorrection{};
  int specialColorPositionScan{};
  int specialColorPositionFeed{};
  bool cutAutoCut{};
  double cutMaxCutLen{};
  bool cutDetailCut{};
  bool cutOuterFrameCut{};
  int cutOuterFrameCutCondition{};
  std::string cutOuterFrameCutTool;
  int cutOuterFrameCutSpeed{};
  int cutOuterFrameCutPress{};
  double cutOuterFrameCutOffset{};
  bool cutSort{};
  bool cutSheetFeed{};
  int cutApproximationType{};
  bool cutHeadWithdrawal{};
  bool cutHeadOriginUpdate{};
  int cutHeadMoveH_Flg{};
  double cutHeadMoveHeight{};
  int cutHeadMoveW_Flg{};
  double cutHeadMoveWidth{};
  bool cutSplitCut{};
  double cutSplitCutDivisionLength{};
  double cutSplitCutCrossCutLength{};
  bool cutSplitCutSheetFeedOrigin{};
  double cutSplitCutAddPosition{};
  std::string optiScoutCutConditionFileName;

  static const SectionTable<LayerSection>& table();
  bool operator==(const LayerSection& o) const { return table().equal(*this, o); }
};
