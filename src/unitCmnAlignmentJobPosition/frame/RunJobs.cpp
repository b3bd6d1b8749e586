#include "unitCmnAlignmentJobPosition/frame/RunJobs.h"

#include "unitCmnAlignmentJobPosition/frame/JobIdentity.h"
#include "unitCmnExceptions/unitCmnGuard.h"
#include "unitCmnJobSizeCalc/JobSizeCalc.h"

RunJobs::RunJobs(const std::vector<JobParam*>& jobs) {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    PrintSection::table().reset(noPrint_);
    jobs_.resize(jobs.size());
    std::vector<JobSection> identities;
    for (std::size_t k = 0; k < jobs.size(); ++k) {
      RunJob& r = jobs_[k];
      r.job = jobs[k];
      r.job->getJobSection(r.identity);
      r.job->getPrintSection(r.print);
      r.job->getCompositeSection(r.composite);
      r.job->getBinaryUnitSections(r.units);
      r.job->getArrangeSections(r.arrangeSections);
      identities.push_back(r.identity);
    }
    const auto ids = JobIdentity::compositeIds(identities);
    for (std::size_t k = 0; k < jobs_.size(); ++k) jobs_[k].compositeId = ids[k];
    primary_ = JobSizeCalc::primaryIndex(identities);
    if (jobs_.empty()) return;
    const auto& sections = jobs_.front().arrangeSections;
    const auto first = sections.find("Arrange1");
    if (first != sections.end()) template_ = first->second;
    else if (!sections.empty()) template_ = sections.begin()->second;
  });
}

const PrintSection& RunJobs::firstPrint() const {
  return jobs_.empty() ? noPrint_ : jobs_.front().print;
}

const PrintSection& RunJobs::primaryPrint() const {
  return jobs_.empty() ? noPrint_ : jobs_[primary_].print;
}

void RunJobs::putMarksAroundLayout() {
  if (jobs_.empty()) return;
  jobs_.front().print.registerMarkTarget = 0;
  jobs_.front().printChanged = true;
}

void RunJobs::commit() {
  unitCmnGuard::run(UNITCMN_SITE, [&] {
    for (RunJob& r : jobs_) {
      if (r.printChanged) r.job->setPrintSection(r.print);
      if (r.arranged) r.job->replaceArrangement(r.sheets, r.placedUnits);
      if (r.compositeChanged) r.job->setCompositeSection(r.composite);
    }
  });
}
