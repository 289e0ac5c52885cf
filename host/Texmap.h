#pragma once

#include "host/AColor.h"
#include "host/HostApi.h"
#include "host/MtlBase.h"
#include "host/Point3.h"

class ShadeContext;

// A texture map: evaluated by the renderer at every shading sample.
class HOST_API Texmap : public MtlBase {
  public:
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }

    virtual AColor EvalColor(ShadeContext& sc) = 0;
    // The intensity of the colour, unless the map knows better.
    virtual float EvalMono(ShadeContext& sc);
    virtual Point3 EvalNormalPerturb(ShadeContext& sc) = 0;
};
