#include "unitCmnAlignmentJobPosition/jig/JigArrenger.h"

#include <cstddef>

#include "unitCmnAlignmentJobPosition/ArrangeLimits.h"
#include "unitCmnAlignmentJobPosition/jig/JigImageSize.h"
#include "unitCmnAlignmentJobPosition/jig/JigPictures.h"
#include "unitCmnAlignmentJobPosition/jig/JigPositioning.h"
#include "unitCmnAlignmentJobPosition/jig/JigRotation.h"
#include "unitCmnAlignmentJobPosition/jig/JigWriteBack.h"
#include "unitCmnExceptions/InputLimit.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobParam/JobParam.h"

namespace {

constexpr double kTolerance = 0.001;  // mm

// The first job whose "JobID" is id; null for an empty id or none.
JobParam* jobWithId(const std::vector<JobParam*>& jobs, const std::vector<JobSection>& ids,
                    const std::string& id) {
  if (id.empty()) return nullptr;
  for (std::size_t k = 0; k < jobs.size(); ++k)
    if (ids[k].jobID == id) return jobs[k];
  return nullptr;
}

}  // namespace

bool JigArrenger::getJobInfo(const JigArrengerJobInfos& infos) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    members_.clear();
    std::vector<JobSection> ids(infos.jobs.size());
    for (std::size_t k = 0; k < infos.jobs.size(); ++k) infos.jobs[k]->getJobSection(ids[k]);
    target_ = jobWithId(infos.jobs, ids, infos.targetJobId);
    if (target_ == nullptr) return false;
    JobSection target;
    target_->getJobSection(target);
    primary_ = jobWithId(infos.jobs, ids, target.primary);
    if (primary_ == nullptr) return false;
    PrintSection print;
    primary_->getPrintSection(print);
    InputLimit::require(UNITCMN_SITE, "job " + target.primary + ": the member count of \"Member\"",
                        print.member.groups.size(), ArrangeLimits::kMaxJigMembers, "members");
    for (const TextList& group : print.member.groups) {
      JigMember m;
      m.id = group.empty() ? std::string() : group.back();
      m.job = jobWithId(infos.jobs, ids, m.id);
      if (m.job == nullptr) return false;
      members_.push_back(m);
    }
    return true;
  });
}

bool JigArrenger::findVariableData(const JigArrengerJobInfos& infos) {
  for (JigMember& m : members_) {
    const auto found = infos.variableDataParams.find(m.id);
    if (found == infos.variableDataParams.end()) {
      KvnCmnLog::logError(UNITCMN_SITE, "jigArrager Noting targetJob VariablePram JobID :" + m.id);
      return false;
    }
    m.variableData = &found->second;
  }
  return true;
}

void JigArrenger::settleImages(const JigParam& jig, const JigPictures& pictures) {
  const JigImageSize size(jig, pictures.usableWidth(), pictures.usableHeight());
  for (JigMember& m : members_) {
    CompositeSection read;
    m.job->getCompositeSection(read);
    m.composite = size.adjusted(m.id, read);
    m.compositeChanged = !(m.composite == read);
  }
}

ArrangeSection JigArrenger::arrangeTemplate() const {
  ArrangeSection section;
  if (primary_->model().sectionExist("Arrange1")) primary_->getArrangeSection(1, section);
  return section;
}

void JigArrenger::reportOverflow(const JigMember& m, const JigBox& box,
                                 const DoublePair& corner) const {
  const double w = JigImageSize::width(m.composite), h = JigImageSize::height(m.composite);
  if (corner[0] >= box.x0 - kTolerance && corner[1] >= box.y0 - kTolerance &&
      corner[0] + w <= box.x1 + kTolerance && corner[1] + h <= box.y1 + kTolerance)
    return;
  KvnCmnLog::logTrace(UNITCMN_SITE, "jig: the image of member " + m.id + " (" +
                                        std::to_string(w) + " x " + std::to_string(h) +
                                        " mm) runs outside its picture " + box.no);
}

void JigArrenger::place(const std::vector<JigUnit>& units, const JigPictures& pictures,
                        const JigPositioning& positioning, const JigRotation& rotation,
                        JigWriteBack& out) const {
  std::vector<bool> reported(members_.size(), false);
  const std::size_t n = pictures.size();
  for (std::size_t i = 0; i < units.size(); ++i) {
    const JigUnit& u = units[i];
    const JigMember& m = members_[u.member];
    const JigBox& box = pictures.boxes()[i % n];
    const DoublePair corner = positioning.place(box, JigImageSize::width(m.composite),
                                                JigImageSize::height(m.composite));
    if (!reported[u.member]) reportOverflow(m, box, corner);
    reported[u.member] = true;
    BinaryUnitSection unit;
    unit.compositeID = m.id;
    unit.pageNumber = u.page;
    unit.rowNumber = u.row;
    unit.copyNumber = u.copy;
    unit.zOrder = static_cast<int>(i) + 1;
    unit.offset = rotation.placed(corner[0], corner[1], m.composite.scale[0], m.composite.scale[1]);
    out.add(static_cast<int>(i / n) + 1, u.name, unit);
  }
}

bool JigArrenger::arrange(JigArrengerJobInfos infos) {
  return unitCmnGuard::run(UNITCMN_SITE, [&] {
    if (!getJobInfo(infos)) {
      KvnCmnLog::logError(UNITCMN_SITE, "Error JigArrenge getnobinfo");
      return false;
    }
    const JigParam& jig = infos.jig;
    const JigPictures pictures(jig);
    const JigRotation rotation(jig);
    if (!findVariableData(infos)) return false;
    settleImages(jig, pictures);
    const std::vector<JigUnit> units = JigUnits::of(members_);
    if (units.empty())
      unitCmnGuard::raise(UNITCMN_SITE, "the jig run has no image to place: no member has a "
                                        "row setting in use in its variable data");
    JigWriteBack out(arrangeTemplate(), jig);
    place(units, pictures, JigPositioning(jig.positioningPolicy, jig.invalidPrintArea), rotation,
          out);
    out.commit(*primary_, members_);
    return true;
  });
}
