#pragma once

#include "host/ClassDesc.h"
#include "host/HostApi.h"
#include "host/ParamType.h"
#include "host/PointerList.h"

class IAutoMParamDlg;
class IMtlParams;
class IParamMap2;
class ParamBlockDesc2;
class ParamMap2UserDlgProc;
class ReferenceMaker;
class ReferenceTarget;

// A class descriptor that owns parameter block descriptors: it makes every
// new object's automatic blocks and builds their rollouts.
class HOST_API ClassDesc2 : public ClassDesc {
  public:
    constexpr ClassDesc2() = default;
    ~ClassDesc2() override;

    int NumParamBlockDescs() override { return pbDescs.size(); }
    ParamBlockDesc2* GetParamBlockDesc(int i) override;
    ParamBlockDesc2* GetParamBlockDescByID(short id) override;
    void AddParamBlockDesc(ParamBlockDesc2* pbd) override;
    void InvalidateUI(ParamBlockDesc2* pbd) override;
    // For each descriptor built automatically, a new block installed as the
    // owner's reference the descriptor names.
    void MakeAutoParamBlocks(ReferenceMaker* owner) override;
    int NumParamMaps() override { return paramMaps.size(); }
    IParamMap2* GetParamMap(ParamBlockDesc2* pbd, MapID id = 0) override;
    IParamMap2* GetParamMap(int i) override;
    BOOL SetUserDlgProc(ParamBlockDesc2* pbd, ParamMap2UserDlgProc* proc = nullptr) override;
    ParamMap2UserDlgProc* GetUserDlgProc(ParamBlockDesc2* pbd, MapID id = 0) override;

    // Refreshes parameter id (all table entries for -1) in the open rollouts.
    void InvalidateUI(ParamBlockDesc2* pbd, ParamID id, int tabIndex = -1);
    void SetUserDlgProc(ParamBlockDesc2* pbd, MapID id, ParamMap2UserDlgProc* proc = nullptr);
    // The material editor's rollouts for obj, one per automatic-rollout block.
    IAutoMParamDlg* CreateParamDlgs(HWND hwMtlEdit, IMtlParams* imp, ReferenceTarget* obj);

    void RemoveParamBlockDesc(ParamBlockDesc2* pbd);
    void RemoveParamMap(IParamMap2* map);
    // The open rollout of pbd's blocks made last; null when none is open.
    IParamMap2* NewestParamMap(const ParamBlockDesc2* pbd) const;
    // Whether an open rollout holds proc.
    bool HoldsUserDlgProc(const ParamMap2UserDlgProc* proc) const;

  private:
    PointerList<ParamBlockDesc2> pbDescs;
    PointerList<IParamMap2> paramMaps;
};
