#pragma once

#include "host/ParamMap2.h"

class Quiltra;

// The rollout's procedure for the three controls that the parameter map
// does not serve: "Open files", "Reload files" and the banner. The host
// owns it once the rollout has it.
class QuiltraDlgProc final : public ParamMap2UserDlgProc {
  public:
    explicit QuiltraDlgProc(Quiltra* map) : texMap(map) {}

    // 1 for every command message, 0 for every other message.
    INT_PTR DlgProc(TimeValue t, IParamMap2* map, HWND hWnd, UINT msg, WPARAM wParam,
                    LPARAM lParam) override;
    void DeleteThis() override { delete this; }
    // Later commands act on m, a map of this class.
    void SetThing(ReferenceTarget* m) override;

    Quiltra* texMap; // not owned
};
