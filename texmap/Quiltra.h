#pragma once

#include "host/IParamBlock2.h"
#include "host/Interval.h"
#include "host/TexHandle.h"
#include "host/Texmap.h"
#include "shading/ShadingFields.h"

// The Varitile texture map. It holds its settings and its list of sub-maps
// in one parameter block, and keeps a plain copy of them, made by every
// update, for the shading threads to read.
//
// The sub-maps live in the block's table, which holds the references that
// are saved with the scene. The map's own copy, subMaps, is its references
// 1 to n, its tracks 1 to n and its sub-maps 0 to n - 1; the map references
// every entry of the copy itself, so that a sub-map that leaves the table
// lives on until the next update replaces the copy, and is never given out
// after it has been deleted.
class Quiltra : public Texmap {
  public:
    Quiltra();
    ~Quiltra() override;

    void GetClassName(MSTR& s) override;
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override;
    void DeleteThis() override { delete this; }

    int NumSubs() override { return shading.subMapCount + 1; }
    Animatable* SubAnim(int i) override;
    MSTR SubAnimName(int i) override;
    int SubNumToRefNum(int subNum) override { return subNum; }

    int RenderBegin(TimeValue t, ULONG flags = 0) override;
    int RenderEnd(TimeValue t) override;

    int NumParamBlocks() override { return 1; }
    IParamBlock2* GetParamBlock(int) override { return pblock; }
    IParamBlock2* GetParamBlockByID(BlockID id) override;

    int NumRefs() override { return shading.subMapCount + 1; }
    RefTargetHandle GetReference(int i) override;
    RefResult NotifyRefChanged(const Interval& changeInt, RefTargetHandle hTarget, PartID& partID,
                               RefMessage message) override;
    RefTargetHandle Clone(RemapDir& remap) override;

    void Update(TimeValue t, Interval& valid) override;
    void Reset() override;
    Interval Validity(TimeValue t) override;
    // The rollout, with its procedure for the commands below.
    ParamDlg* CreateParamDlg(HWND hwMtlEdit, IMtlParams* imp) override;

    // The rollout's commands. OpenFiles replaces the table with one new
    // bitmap texture per file picked in the file dialog, which owner owns;
    // ReloadFiles has the table's bitmap textures read their files again.
    // Both end with an update at the current time.
    void OpenFiles(HWND owner);
    void ReloadFiles();

    BOOL SupportTexDisplay() override { return TRUE; }
    DWORD_PTR GetActiveTexHandle(TimeValue t, TexHandleMaker& thmaker) override;
    void ActivateTexDisplay(BOOL onoff) override;

    AColor EvalColor(ShadeContext& sc) override;
    float EvalMono(ShadeContext& sc) override;
    Point3 EvalNormalPerturb(ShadeContext& sc) override;
    void GetUVTransform(Matrix3& uvtrans) override { uvtrans.IdentityMatrix(); }
    int GetTextureTiling() override { return U_WRAP | V_WRAP; }

    int NumSubTexmaps() override { return shading.subMapCount; }
    Texmap* GetSubTexmap(int i) override;
    void SetSubTexmap(int i, Texmap* m) override;
    int SubTexmapOn(int) override { return 1; }
    MSTR GetSubTexmapSlotName(int) override { return MSTR(); }

    // The map's state. The update is the only writer of the shading fields
    // and of the copy of the table; shading reads them on many threads.
    IParamBlock2* pblock = nullptr; // reference 0
    Interval ivalid;                // over which the state below holds
    ShadingFields shading;          // subMaps, the key, the seed, the variation
    VariationTables factorTables;   // the variation's factors per draw, for shading
    int lastFiltering = -1;         // pushed to the bitmap sub-maps; -1 before the first push
    float lastBlur = -1.0f;         // pushed to the bitmap sub-maps' generators
    TexHandle* texHandle = nullptr; // the viewport's texture, owned
    Interval texHandleValid;        // over which texHandle holds

  protected:
    void SetReference(int i, RefTargetHandle rtarg) override;

  private:
    void releaseTexHandle();
    // Replaces the copy of the table with the table's entries at t.
    void refreshSubMaps(TimeValue t);
    void pushFilteringAndBlur(TimeValue t);
};
