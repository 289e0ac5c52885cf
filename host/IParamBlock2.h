#pragma once

#include "host/CStr.h"
#include "host/HostApi.h"
#include "host/Interval.h"
#include "host/ParamBlockDesc2.h"
#include "host/ReferenceTarget.h"

#include <vector>

class Texmap;

constexpr SClass_ID PARAMETER_BLOCK2_CLASS_ID = 0x82;

// A block of parameter values made from a descriptor. Values are read and
// written by parameter ID, at a time and a table index. Animatable values
// get keys while animation is on and are interpolated between them. The maps
// in the block's tables are its references, in parameter order.
class HOST_API IParamBlock2 : public ReferenceTarget {
  public:
    explicit IParamBlock2(ParamBlockDesc2* desc);
    ~IParamBlock2() override;

    SClass_ID SuperClassID() override { return PARAMETER_BLOCK2_CLASS_ID; }
    Class_ID ClassID() override { return Class_ID(PARAMETER_BLOCK2_CLASS_ID, 0); }

    BlockID ID() const { return desc->ID; }
    ParamBlockDesc2* GetDesc() const { return desc; }
    // While the block tells its dependents of a change: the parameter that
    // changed, or -1 for a change of no one parameter; -1 at other times.
    ParamID LastNotifyParamID() const { return lastNotifyParamID; }

    // Each read narrows ivalid to the span over which the value holds and
    // answers FALSE for an unknown ID, a wrong type or an index outside the table.
    BOOL GetValue(ParamID id, TimeValue t, float& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, int& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, Texmap*& v, Interval& ivalid, int tabIndex = 0);
    BOOL GetValue(ParamID id, TimeValue t, const MCHAR*& v, Interval& ivalid, int tabIndex = 0);

    // Numbers are brought into the parameter's range. With animation on, an
    // animatable value gets a key at t; a value that has keys already gets
    // one at t in any case.
    BOOL SetValue(ParamID id, TimeValue t, float v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, int v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, Texmap* v, int tabIndex = 0);
    BOOL SetValue(ParamID id, TimeValue t, const MCHAR* v, int tabIndex = 0);

    // Tables.
    int Count(ParamID id);
    void ZeroCount(ParamID id);
    void SetCount(ParamID id, int n);
    int Append(ParamID id, int num, Texmap** el, int allocExtra = 0);
    void Delete(ParamID id, int start, int num);

    // Keys of an animated value: their times, in order.
    int NumKeys(ParamID id);
    TimeValue KeyTime(ParamID id, int key);

    int NumRefs() override;
    RefTargetHandle GetReference(int i) override;
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message) override;
    RefTargetHandle Clone(RemapDir& remap) override;

    IOResult Save(ISave* isave) override;
    IOResult Load(ILoad* iload) override;

  protected:
    void SetReference(int i, RefTargetHandle rtarg) override;

  private:
    struct Key {
        TimeValue t;
        float value;
    };
    struct Value {
        float f = 0.0f;
        int i = 0;
        MSTR s;
        std::vector<Key> keys;
        std::vector<Texmap*> maps; // one entry for a map, the entries of a table
    };

    Value* find(ParamID id, int type, int tabIndex, const ParamDef** def = nullptr);
    float animated(const Value& value, TimeValue t, Interval& ivalid) const;
    void setNumber(const ParamDef& def, Value& value, TimeValue t, float v);
    int firstRef(int paramIndex) const;
    bool refSlot(int ref, int& paramIndex, int& entry) const;
    void changed(ParamID id);

    ParamBlockDesc2* desc;
    std::vector<Value> values; // in the descriptor's parameter order
    ParamID lastNotifyParamID = -1;
};

// Makes a block from its descriptor, with every value at its default.
HOST_API IParamBlock2* CreateParameterBlock2(ParamBlockDesc2* pdesc, ReferenceMaker* owner);
