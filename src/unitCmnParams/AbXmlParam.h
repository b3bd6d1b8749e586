// A parameter file stored as XML: owns its ParamIoXML model by value. The
// model is only an intermediate: reading takes the fields from it
// (getParamFromIo), writing rebuilds it from the fields (setParamToIo) and
// prints it. Derived classes override initParam to reset all their fields.
#pragma once

#include "unitCmnParamIo/ParamIoXML.h"
#include "unitCmnParams/AbParam.h"

class AbXmlParam : public AbParam {
 protected:
  AbXmlParam() = default;
  AbXmlParam(const AbXmlParam&) = default;
  AbXmlParam& operator=(const AbXmlParam&) = default;

  AbParamIo& paramIoBase() override { return paramIo; }
  bool prepareWrite() override {
    paramIo.clear();
    return setParamToIo();
  }
  // A deleted file leaves default fields behind.
  void afterDelete() override {
    initParam();
    paramIo.clear();
  }

  ParamIoXML paramIo;
};
