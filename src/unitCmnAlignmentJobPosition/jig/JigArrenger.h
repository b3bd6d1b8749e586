// Places the images of a group of jobs into the pictures (pockets) of a
// flatbed jig, one image per used picture, turned by the jig's deskew, and
// writes the result into the primary job (JigWriteBack). Called by the
// instance's jig execution directly, not through the coordinator.
//
// The jobs of a run: the target (the job whose "JobID" the host names), its
// primary (the job whose "JobID" is the target's "Primary") and the members
// (for each group of the primary's "Member", the job whose "JobID" is the
// group's last text), each found by a "JobID" that is not empty. Every
// member needs variable data under its "JobID"; its records are the images
// (JigUnits), sized by the jig (JigImageSize), anchored in their pictures
// by the positioning policy (JigPositioning) and turned (JigRotation).
#pragma once

#include <vector>

#include "unitCmnAlignmentJobPosition/jig/JigArrengerJobInfos.h"
#include "unitCmnAlignmentJobPosition/jig/JigBox.h"
#include "unitCmnAlignmentJobPosition/jig/JigMember.h"
#include "unitCmnAlignmentJobPosition/jig/JigUnits.h"
#include "unitCmnJobParam/ArrangeSection.h"

class JigPictures;
class JigPositioning;
class JigRotation;
class JigWriteBack;

class JigArrenger {
 public:
  // True when every member was placed and written back. False, with
  // "Error JigArrenge getnobinfo" logged, when the target, the primary or
  // a member is not found; false, with "jigArrager Noting targetJob
  // VariablePram JobID :" and the member's "JobID" logged, when a member
  // has no variable data. Raises, with the reason, for a jig or an image
  // that cannot be placed, more than ArrangeLimits::kMaxUnitsPerRun images, or none.
  // Jobs change only when the answer is true.
  bool arrange(JigArrengerJobInfos infos);

  // Finds the target, primary and member jobs; false when one is missing.
  bool getJobInfo(const JigArrengerJobInfos& infos);

 private:
  // Each member's variable data; false, logged, when one has none.
  bool findVariableData(const JigArrengerJobInfos& infos);
  void settleImages(const JigParam& jig, const JigPictures& pictures);
  ArrangeSection arrangeTemplate() const;
  // Logs, as a trace, a member whose image runs outside its picture.
  void reportOverflow(const JigMember& m, const JigBox& box, const DoublePair& corner) const;
  // Each image into picture i mod n of filling i / n + 1 (n pictures).
  void place(const std::vector<JigUnit>& units, const JigPictures& pictures,
             const JigPositioning& positioning, const JigRotation& rotation,
             JigWriteBack& out) const;

  JobParam* target_ = nullptr;
  JobParam* primary_ = nullptr;
  std::vector<JigMember> members_;
};
