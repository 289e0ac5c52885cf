#include "texmap/ParamBlock.h"

#include "host/IParamBlock2.h"
#include "library/QuiltraClassDesc.h"
#include "resources/ResourceIds.h"

#define QUILTRA_NAME(id) #id

// clang-format off
ParamBlockDesc2 paramBlockDesc(
    kParamsBlockId, "params", 0, &quiltraDesc, P_AUTO_CONSTRUCT | P_AUTO_UI,
    // automatic construction: the map's reference 0
    0,
    // automatic rollout: template, title, no flag mask, no rollup flags, no procedure yet
    IDD_PANEL, IDS_PARAMS, 0, 0, nullptr,

    submaps, "submaps", TYPE_TEXMAP_TAB, 0, P_VARIABLE_SIZE, IDS_SUBMAPS,
        p_end,

#define QUILTRA_FLOAT_SPINNER(id, string, flags, def, low, high, reset, edit, spinner, step)       \
    id, QUILTRA_NAME(id), TYPE_FLOAT, flags, string,                                               \
        p_default, def,                                                                            \
        p_range, low, high,                                                                        \
        p_ui, TYPE_SPINNER, EDITTYPE_FLOAT, edit, spinner, step,                                   \
        p_end,
#define QUILTRA_INT_SPINNER(id, string, flags, def, low, high, reset, edit, spinner, step)         \
    id, QUILTRA_NAME(id), TYPE_INT, flags, string,                                                 \
        p_default, def,                                                                            \
        p_range, low, high,                                                                        \
        p_ui, TYPE_SPINNER, EDITTYPE_POS_INT, edit, spinner, step,                                 \
        p_end,
#define QUILTRA_INT_RADIO(id, string, flags, def, reset, button0, button1, button2)                \
    id, QUILTRA_NAME(id), TYPE_INT, flags, string,                                                 \
        p_default, def,                                                                            \
        p_range, 0, 2,                                                                             \
        p_ui, TYPE_RADIO, 3, button0, button1, button2,                                            \
        p_end,
#include "texmap/ParamTable.inc"
#undef QUILTRA_FLOAT_SPINNER
#undef QUILTRA_INT_SPINNER
#undef QUILTRA_INT_RADIO

    p_end);
// clang-format on

namespace {

struct ResetValue {
    ParamID id;
    bool isFloat;
    float value;
};

const ResetValue resetValues[] = {
#define QUILTRA_FLOAT_SPINNER(id, string, flags, def, low, high, reset, ...) {id, true, reset},
#define QUILTRA_INT_SPINNER(id, string, flags, def, low, high, reset, ...) {id, false, reset},
#define QUILTRA_INT_RADIO(id, string, flags, def, reset, ...) {id, false, reset},
#include "texmap/ParamTable.inc"
#undef QUILTRA_FLOAT_SPINNER
#undef QUILTRA_INT_SPINNER
#undef QUILTRA_INT_RADIO
};

} // namespace

void writeResetValues(IParamBlock2& block, TimeValue t) {
    // By ascending ID, whatever the block's order.
    for (ParamID id = all_gamma; id <= filtering; ++id) {
        for (const ResetValue& r : resetValues) {
            if (r.id != id) {
                continue;
            }
            if (r.isFloat) {
                block.SetValue(id, t, r.value);
            } else {
                block.SetValue(id, t, static_cast<int>(r.value));
            }
        }
    }
}
