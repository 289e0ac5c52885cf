#include "host/IParamBlock2.h"

#include "host/Animate.h"
#include "host/RemapDir.h"
#include "host/SceneIO.h"
#include "host/Texmap.h"

#include <algorithm>
#include <cmath>

namespace {

// More entries than any scene holds: a count beyond it comes from a damaged file.
constexpr int kMaxTableSize = 1 << 24;

float clampFloat(const ParamDef& def, float v) {
    if (!def.hasRange) {
        return v;
    }
    if (!(v >= def.rangeLowFloat)) { // also brings NaN to the low end
        return def.rangeLowFloat;
    }
    return v > def.rangeHighFloat ? def.rangeHighFloat : v;
}

int clampInt(const ParamDef& def, int v) {
    if (!def.hasRange) {
        return v;
    }
    return std::min(std::max(v, def.rangeLowInt), def.rangeHighInt);
}

bool typeReads(int defType, int asType) {
    if (asType == TYPE_TEXMAP) {
        return isTexmapType(defType);
    }
    if (asType == TYPE_STRING) {
        return isStringType(defType);
    }
    return defType == asType;
}

} // namespace

IParamBlock2::IParamBlock2(ParamBlockDesc2* d) : desc(d) {
    values.resize(static_cast<std::size_t>(desc->Count()));
    for (int i = 0; i < desc->Count(); ++i) {
        const ParamDef& def = desc->ParamAt(i);
        Value& value = values[i];
        value.f = def.defaultFloat;
        value.i = def.defaultInt;
        value.s = def.defaultString;
        if (def.type == TYPE_TEXMAP) {
            value.maps.assign(1, nullptr);
        } else if (isTableType(def.type)) {
            value.maps.assign(static_cast<std::size_t>(def.tab_size), nullptr);
        }
    }
}

IParamBlock2::~IParamBlock2() = default;

IParamBlock2* CreateParameterBlock2(ParamBlockDesc2* pdesc, ReferenceMaker*) {
    return pdesc ? new IParamBlock2(pdesc) : nullptr;
}

IParamBlock2::Value* IParamBlock2::find(ParamID id, int type, int tabIndex, const ParamDef** def) {
    const int index = desc->IDtoIndex(id);
    if (index < 0 || !typeReads(desc->ParamAt(index).type, type)) {
        return nullptr;
    }
    Value& value = values[index];
    if (isTexmapType(type) && (tabIndex < 0 || tabIndex >= static_cast<int>(value.maps.size()))) {
        return nullptr;
    }
    if (def) {
        *def = &desc->ParamAt(index);
    }
    return &value;
}

float IParamBlock2::animated(const Value& value, TimeValue t, Interval& ivalid) const {
    const std::vector<Key>& keys = value.keys;
    if (t <= keys.front().t) {
        ivalid &= Interval(TIME_NegInfinity, keys.front().t);
        return keys.front().value;
    }
    if (t >= keys.back().t) {
        ivalid &= Interval(keys.back().t, TIME_PosInfinity);
        return keys.back().value;
    }
    // Between two keys the value changes at every tick.
    const auto after = std::upper_bound(keys.begin(), keys.end(), t,
                                        [](TimeValue time, const Key& k) { return time < k.t; });
    const Key& b = *after;
    const Key& a = *(after - 1);
    ivalid &= Interval(t, t);
    const double s = static_cast<double>(t - a.t) / static_cast<double>(b.t - a.t);
    return static_cast<float>(a.value + (static_cast<double>(b.value) - a.value) * s);
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, float& v, Interval& ivalid, int tabIndex) {
    Value* value = find(id, TYPE_FLOAT, tabIndex);
    if (!value) {
        return FALSE;
    }
    v = value->keys.empty() ? value->f : animated(*value, t, ivalid);
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue t, int& v, Interval& ivalid, int tabIndex) {
    Value* value = find(id, TYPE_INT, tabIndex);
    if (!value) {
        return FALSE;
    }
    v = value->keys.empty() ? value->i : static_cast<int>(std::lround(animated(*value, t, ivalid)));
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue, Texmap*& v, Interval&, int tabIndex) {
    Value* value = find(id, TYPE_TEXMAP, tabIndex);
    if (!value) {
        return FALSE;
    }
    v = value->maps[tabIndex];
    return TRUE;
}

BOOL IParamBlock2::GetValue(ParamID id, TimeValue, const MCHAR*& v, Interval&, int tabIndex) {
    Value* value = find(id, TYPE_STRING, tabIndex);
    if (!value) {
        return FALSE;
    }
    v = value->s.data();
    return TRUE;
}

void IParamBlock2::setNumber(const ParamDef& def, Value& value, TimeValue t, float v) {
    const bool keyed = (Animating() && (def.flags & P_ANIMATABLE)) || !value.keys.empty();
    if (!keyed) {
        if (def.type == TYPE_FLOAT) {
            value.f = v;
        } else {
            value.i = static_cast<int>(v);
        }
        return;
    }
    if (value.keys.empty()) {
        value.f = v;
        value.i = static_cast<int>(v);
    }
    auto at = std::lower_bound(value.keys.begin(), value.keys.end(), t,
                               [](const Key& k, TimeValue time) { return k.t < time; });
    if (at != value.keys.end() && at->t == t) {
        at->value = v;
    } else {
        value.keys.insert(at, Key{t, v});
    }
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, float v, int tabIndex) {
    const ParamDef* def = nullptr;
    Value* value = find(id, TYPE_FLOAT, tabIndex, &def);
    if (!value) {
        return FALSE;
    }
    setNumber(*def, *value, t, clampFloat(*def, v));
    changed(id);
    return TRUE;
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue t, int v, int tabIndex) {
    const ParamDef* def = nullptr;
    Value* value = find(id, TYPE_INT, tabIndex, &def);
    if (!value) {
        return FALSE;
    }
    const int clamped = clampInt(*def, v);
    if (value->keys.empty() && !(Animating() && (def->flags & P_ANIMATABLE))) {
        value->i = clamped; // exact for every int, not only those a float holds
    } else {
        setNumber(*def, *value, t, static_cast<float>(clamped));
    }
    changed(id);
    return TRUE;
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue, Texmap* v, int tabIndex) {
    const int index = desc->IDtoIndex(id);
    if (!find(id, TYPE_TEXMAP, tabIndex)) {
        return FALSE;
    }
    ReplaceReference(firstRef(index) + tabIndex, v);
    changed(id);
    return TRUE;
}

BOOL IParamBlock2::SetValue(ParamID id, TimeValue, const MCHAR* v, int tabIndex) {
    Value* value = find(id, TYPE_STRING, tabIndex);
    if (!value) {
        return FALSE;
    }
    value->s = v;
    changed(id);
    return TRUE;
}

int IParamBlock2::Count(ParamID id) {
    const int index = desc->IDtoIndex(id);
    if (index < 0 || !isTableType(desc->ParamAt(index).type)) {
        return 0;
    }
    return static_cast<int>(values[index].maps.size());
}

void IParamBlock2::ZeroCount(ParamID id) {
    SetCount(id, 0);
}

void IParamBlock2::SetCount(ParamID id, int n) {
    const int index = desc->IDtoIndex(id);
    if (index < 0 || !isTableType(desc->ParamAt(index).type) || n < 0) {
        return;
    }
    std::vector<Texmap*>& maps = values[index].maps;
    // Release the references of the entries that go, last first.
    for (int j = static_cast<int>(maps.size()) - 1; j >= n; --j) {
        DeleteReference(firstRef(index) + j);
    }
    maps.resize(static_cast<std::size_t>(n), nullptr);
    changed(id);
}

int IParamBlock2::Append(ParamID id, int num, Texmap** el, int) {
    const int index = desc->IDtoIndex(id);
    if (index < 0 || !isTableType(desc->ParamAt(index).type) || num < 0) {
        return 0;
    }
    std::vector<Texmap*>& maps = values[index].maps;
    for (int k = 0; k < num; ++k) {
        maps.push_back(nullptr);
        ReplaceReference(firstRef(index) + static_cast<int>(maps.size()) - 1, el ? el[k] : nullptr);
    }
    changed(id);
    return static_cast<int>(maps.size());
}

void IParamBlock2::Delete(ParamID id, int start, int num) {
    const int index = desc->IDtoIndex(id);
    if (index < 0 || !isTableType(desc->ParamAt(index).type)) {
        return;
    }
    std::vector<Texmap*>& maps = values[index].maps;
    const int size = static_cast<int>(maps.size());
    if (start < 0 || num <= 0 || start >= size) {
        return;
    }
    num = std::min(num, size - start);
    const int first = firstRef(index);
    // Move the later entries down one reference at a time, so that an entry
    // that stays keeps a reference throughout, then release the tail.
    for (int j = start; j + num < size; ++j) {
        ReplaceReference(first + j, maps[j + num]);
    }
    for (int j = size - 1; j >= size - num; --j) {
        DeleteReference(first + j);
    }
    maps.resize(static_cast<std::size_t>(size - num));
    changed(id);
}

int IParamBlock2::NumKeys(ParamID id) {
    const int index = desc->IDtoIndex(id);
    return index < 0 ? 0 : static_cast<int>(values[index].keys.size());
}

TimeValue IParamBlock2::KeyTime(ParamID id, int key) {
    const int index = desc->IDtoIndex(id);
    if (index < 0 || key < 0 || key >= static_cast<int>(values[index].keys.size())) {
        return 0;
    }
    return values[index].keys[key].t;
}

int IParamBlock2::firstRef(int paramIndex) const {
    int ref = 0;
    for (int i = 0; i < paramIndex; ++i) {
        ref += static_cast<int>(values[i].maps.size());
    }
    return ref;
}

bool IParamBlock2::refSlot(int ref, int& paramIndex, int& entry) const {
    if (ref < 0) {
        return false;
    }
    for (int i = 0; i < static_cast<int>(values.size()); ++i) {
        const int size = static_cast<int>(values[i].maps.size());
        if (ref < size) {
            paramIndex = i;
            entry = ref;
            return true;
        }
        ref -= size;
    }
    return false;
}

int IParamBlock2::NumRefs() {
    return firstRef(static_cast<int>(values.size()));
}

RefTargetHandle IParamBlock2::GetReference(int i) {
    int param = 0, entry = 0;
    return refSlot(i, param, entry) ? values[param].maps[entry] : nullptr;
}

void IParamBlock2::SetReference(int i, RefTargetHandle rtarg) {
    int param = 0, entry = 0;
    if (refSlot(i, param, entry)) {
        values[param].maps[entry] = static_cast<Texmap*>(rtarg);
    }
}

RefResult IParamBlock2::NotifyRefChanged(const Interval&, RefTargetHandle hTarget, PartID&,
                                         RefMessage message) {
    for (int i = 0; i < static_cast<int>(values.size()); ++i) {
        const std::vector<Texmap*>& maps = values[i].maps;
        if (std::find(maps.begin(), maps.end(), hTarget) != maps.end()) {
            lastNotifyParamID = desc->ParamAt(i).ID;
            if (message == REFMSG_TARGET_DELETED) {
                // The entry is about to be cleared: the table changes.
                NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
            }
            break;
        }
    }
    return REF_SUCCEED;
}

void IParamBlock2::changed(ParamID id) {
    lastNotifyParamID = id;
    NotifyDependents(FOREVER, PART_ALL, REFMSG_CHANGE);
    // Outside the notification no parameter is the one that changed.
    lastNotifyParamID = -1;
}

RefTargetHandle IParamBlock2::Clone(RemapDir& remap) {
    IParamBlock2* clone = new IParamBlock2(desc);
    if (!clone) {
        return nullptr;
    }
    for (std::size_t i = 0; i < values.size(); ++i) {
        clone->values[i].f = values[i].f;
        clone->values[i].i = values[i].i;
        clone->values[i].s = values[i].s;
        clone->values[i].keys = values[i].keys;
        clone->values[i].maps.assign(values[i].maps.size(), nullptr);
    }
    const int refs = NumRefs();
    for (int r = 0; r < refs; ++r) {
        clone->ReplaceReference(r, remap.CloneRef(GetReference(r)));
    }
    BaseClone(this, clone, remap);
    return clone;
}

IOResult IParamBlock2::Save(ISave* isave) {
    isave->WriteInt("block", desc->ID);
    isave->BeginList("params");
    for (int i = 0; i < desc->Count(); ++i) {
        const ParamDef& def = desc->ParamAt(i);
        const Value& value = values[i];
        isave->BeginItem();
        isave->WriteInt("id", def.ID);
        isave->WriteInt("type", def.type);
        if (def.type == TYPE_FLOAT) {
            isave->WriteFloat("value", value.f);
        } else if (def.type == TYPE_INT) {
            isave->WriteInt("value", value.i);
        } else if (isStringType(def.type)) {
            isave->WriteString("value", value.s);
        } else {
            isave->WriteInt("count", static_cast<int>(value.maps.size()));
        }
        if (!value.keys.empty()) {
            isave->BeginList("keys");
            for (const Key& key : value.keys) {
                isave->BeginItem();
                isave->WriteInt("t", key.t);
                isave->WriteFloat("value", key.value);
                isave->EndItem();
            }
            isave->EndList();
        }
        isave->EndItem();
    }
    isave->EndList();
    return IO_OK;
}

IOResult IParamBlock2::Load(ILoad* iload) {
    const int count = iload->OpenList("params");
    if (count < 0) {
        return IO_ERROR;
    }
    IOResult result = IO_OK;
    for (int item = 0; item < count && result == IO_OK; ++item) {
        int id = -1, type = -1;
        if (!iload->OpenItem(item) || !iload->ReadInt("id", id) || !iload->ReadInt("type", type)) {
            result = IO_ERROR;
            break;
        }
        const int index = desc->IDtoIndex(static_cast<ParamID>(id));
        if (index < 0 || id != desc->IndextoID(index) || desc->ParamAt(index).type != type) {
            result = IO_ERROR; // a parameter this block does not have
        } else {
            const ParamDef& def = desc->ParamAt(index);
            Value& value = values[index];
            float f = 0.0f;
            int n = 0;
            MSTR s;
            if (def.type == TYPE_FLOAT) {
                result = iload->ReadFloat("value", f) && std::isfinite(f) ? IO_OK : IO_ERROR;
                value.f = clampFloat(def, f);
            } else if (def.type == TYPE_INT) {
                result = iload->ReadInt("value", n) ? IO_OK : IO_ERROR;
                value.i = clampInt(def, n);
            } else if (isStringType(def.type)) {
                result = iload->ReadString("value", s) ? IO_OK : IO_ERROR;
                value.s = s;
            } else if (iload->ReadInt("count", n) && n >= 0 && n <= kMaxTableSize &&
                       (isTableType(def.type) || n == 1)) {
                // The entries come back as the block's references.
                value.maps.assign(static_cast<std::size_t>(n), nullptr);
            } else {
                result = IO_ERROR;
            }
            value.keys.clear();
            const int keys = result == IO_OK ? iload->OpenList("keys") : -1;
            for (int k = 0; k < keys && result == IO_OK; ++k) {
                int t = 0;
                if (!iload->OpenItem(k) || !iload->ReadInt("t", t) ||
                    !iload->ReadFloat("value", f) || !(f >= -2147483648.0f && f < 2147483648.0f) ||
                    (!value.keys.empty() && t <= value.keys.back().t) ||
                    !(def.flags & P_ANIMATABLE)) {
                    result = IO_ERROR;
                } else {
                    value.keys.push_back(
                        Key{t, def.type == TYPE_FLOAT
                                   ? clampFloat(def, f)
                                   : static_cast<float>(clampInt(def, static_cast<int>(f)))});
                }
                iload->CloseItem();
            }
            if (keys >= 0) {
                iload->CloseList();
            }
        }
        iload->CloseItem();
    }
    iload->CloseList();
    return result;
}
