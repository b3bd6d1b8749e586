// The exported C functions: each forwards, unchanged, to the operation of
// the same name on the instance, which logs and catches everything itself.
#include "unitCmnAlignmentJobPosition.h"
#include "unitCmnAlignmentJobPositionUnmng/AlignmentJobPositionDll.h"
#include "unitCmnAlignmentJobPositionUnmng/LibraryAttach.h"
#include "unitCmnExceptions/ExportedCall.h"

namespace {

// A null instance is a host error; it is logged and answered with
// nullAnswer rather than dereferenced.
template <class R, class Call>
R forward(void* p, const SourceSite& site, R nullAnswer, Call&& call) {
  if (p == nullptr) {
    KvnCmnLog::logError(site, "the instance pointer is null");
    return nullAnswer;
  }
  return call(static_cast<AlignmentJobPositionDll*>(p));
}

struct NoResult {};

template <class Call>
void forwardVoid(void* p, const SourceSite& site, Call&& call) {
  forward(p, site, NoResult{}, [&](AlignmentJobPositionDll* self) {
    call(self);
    return NoResult{};
  });
}

}  // namespace

extern "C" {

void* CreateInstance(void) {
  return ExportedCall::run(UNITCMN_SITE, ExportedCall::Entry::kRecord,
                           static_cast<void*>(nullptr), [] {
                             LibraryAttach::attach();
                             return static_cast<void*>(new AlignmentJobPositionDll);
                           });
}

bool init(void* p, int kind, double marginScan, double marginFeed, bool center, double width,
          double length, double twin1, double twin2) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->init(kind, marginScan, marginFeed, center, width, length, twin1, twin2);
  });
}

void addJob(void* p, const char* jobText) {
  forwardVoid(p, UNITCMN_SITE, [&](AlignmentJobPositionDll* self) { self->addJob(jobText); });
}

void clearJob(void* p) {
  forwardVoid(p, UNITCMN_SITE, [&](AlignmentJobPositionDll* self) { self->clearJob(); });
}

void disposeInstance(void* p) {
  forwardVoid(p, UNITCMN_SITE, [&](AlignmentJobPositionDll* self) { self->disposeInstance(); });
}

bool alignmentJobPositionExec(void* p, double* x, double* y, double* width, double* height,
                              double positionOffset) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->alignmentJobPositionExec(x, y, width, height, positionOffset);
  });
}

bool getAlignmentJobCount(void* p, int* count) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->getAlignmentJobCount(count);
  });
}

bool getAlignmentJobSize(void* p, int index, uint64_t* size) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->getAlignmentJobSize(index, size);
  });
}

bool copyAlignmentJobParam(void* p, const void* buffer, uint64_t size) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->copyAlignmentJobParam(buffer, size);
  });
}

bool alignmentTilingPositionExec(void* p, bool pairFirst, double pageGap, bool afterFeed,
                                 bool pairSecond, double pairColumnOffset, int pairCount,
                                 double pairRowWidthLimit) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->alignmentTilingPositionExec(pairFirst, pageGap, afterFeed, pairSecond,
                                             pairColumnOffset, pairCount, pairRowWidthLimit);
  });
}

void addDeviceFunctionParam(void* p, const char* xmlText) {
  forwardVoid(p, UNITCMN_SITE,
              [&](AlignmentJobPositionDll* self) { self->addDeviceFunctionParam(xmlText); });
}

void clearDeviceFunctionParam(void* p) {
  forwardVoid(p, UNITCMN_SITE,
              [&](AlignmentJobPositionDll* self) { self->clearDeviceFunctionParam(); });
}

bool alignmentXYSlitterPositionExec(void* p, bool a1, double a2, double a3, double a4, double a5,
                                    unsigned int a6) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->alignmentXYSlitterPositionExec(a1, a2, a3, a4, a5, a6);
  });
}

void addVariableDataPrintingParam(void* p, const char* key, const char* xmlText) {
  forwardVoid(p, UNITCMN_SITE, [&](AlignmentJobPositionDll* self) {
    self->addVariableDataPrintingParam(key, xmlText);
  });
}

void clearVariableDataPrintingParam(void* p) {
  forwardVoid(p, UNITCMN_SITE,
              [&](AlignmentJobPositionDll* self) { self->clearVariableDataPrintingParam(); });
}

bool alignmentJigPositionExec(void* p, const char* jigXmlText, const char* text) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->alignmentJigPositionExec(jigXmlText, text);
  });
}

void InitOptiScoutCutConditionParam(void* p, const char* xmlText) {
  forwardVoid(p, UNITCMN_SITE, [&](AlignmentJobPositionDll* self) {
    self->InitOptiScoutCutConditionParam(xmlText);
  });
}

void InitJigParam(void* p, const char* xmlText) {
  forwardVoid(p, UNITCMN_SITE,
              [&](AlignmentJobPositionDll* self) { self->InitJigParam(xmlText); });
}

bool alignmentGroupingJobPositionExec(void* p) {
  return forward(p, UNITCMN_SITE, false, [&](AlignmentJobPositionDll* self) {
    return self->alignmentGroupingJobPositionExec();
  });
}

}  // extern "C"
