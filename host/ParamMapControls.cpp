#include "host/ParamMapControls.h"

#include "host/IParamBlock2.h"
#include "host/ParamBlockDesc2.h"

#include <cstdio>

namespace {

void showSpinner(HWND rollout, const ParamDef& def, IParamBlock2& block, TimeValue t) {
    char text[32];
    Interval valid = FOREVER;
    if (def.type == TYPE_FLOAT) {
        float value = 0.0f;
        block.GetValue(def.ID, t, value, valid);
        std::snprintf(text, sizeof text, "%g", value);
    } else {
        int value = 0;
        block.GetValue(def.ID, t, value, valid);
        std::snprintf(text, sizeof text, "%d", value);
    }
    SetDlgItemTextA(rollout, def.ctrlIDs.front(), text);
}

void showRadio(HWND rollout, const ParamDef& def, IParamBlock2& block, TimeValue t) {
    int value = 0;
    Interval valid = FOREVER;
    block.GetValue(def.ID, t, value, valid);
    for (std::size_t i = 0; i < def.ctrlIDs.size(); ++i) {
        CheckDlgButton(rollout, def.ctrlIDs[i],
                       static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
    }
}

} // namespace

void ShowParamValues(HWND rollout, const ParamBlockDesc2& desc, IParamBlock2& block, TimeValue t,
                     ParamID id) {
    for (int i = 0; i < desc.Count(); ++i) {
        const ParamDef& def = desc.ParamAt(i);
        if ((id != -1 && def.ID != id) || def.ctrlIDs.empty()) {
            continue;
        }
        if (def.uiType == TYPE_SPINNER) {
            showSpinner(rollout, def, block, t);
        } else if (def.uiType == TYPE_RADIO) {
            showRadio(rollout, def, block, t);
        }
    }
}
