#pragma once

#include "host/ClassDesc2.h"
#include "host/ClassID.h"

// The identity the host lists the class under and stores its objects by.
// Saved in every scene: never change it.
constexpr Class_ID QUILTRA_CLASS_ID(0x55C6D763, 0xC637BB2E);
constexpr const char* kQuiltraInternalName = "Varitile";

// The descriptor of the one class the library offers.
class QuiltraClassDesc : public ClassDesc2 {
  public:
    constexpr QuiltraClassDesc() = default;

    int IsPublic() override { return 1; }
    void* Create(BOOL loading = FALSE) override;
    int BeginCreate(Interface*) override { return 0; }
    int EndCreate(Interface*) override { return 0; }
    const MCHAR* ClassName() override;
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override { return QUILTRA_CLASS_ID; }
    const MCHAR* Category() override { return TEXMAP_CAT_COMP; }
    BOOL OkToCreate(Interface*) override { return 1; }
    BOOL HasClassParams() override { return 0; }
    void EditClassParams(HWND) override {}
    int NumActionTables() override { return 0; }
    ActionTable* GetActionTable(int) override { return nullptr; }
    BOOL IsManipulator() override { return 0; }
    BOOL CanManipulate(ReferenceTarget*) override { return 0; }
    BOOL CanManipulateNode(INode*) override { return 0; }
    Manipulator* CreateManipulator(INode*) override { return nullptr; }
    Manipulator* CreateManipulator(ReferenceTarget*, INode*) override { return nullptr; }
    BOOL NeedsToSave() override { return 0; }
    int Save(ISave*) override { return 0; }
    int Load(ILoad*) override { return 0; }
    DWORD InitialRollupPageState() override { return 0x7FFFFFFF; }
    const MCHAR* InternalName() override { return kQuiltraInternalName; }
    HINSTANCE HInstance() override;
    IParamMap2* GetParamMap(ParamBlockDesc2*, MapID = 0) override { return nullptr; }
    BOOL SetUserDlgProc(ParamBlockDesc2* pbd, ParamMap2UserDlgProc* proc = nullptr) override;
    ParamMap2UserDlgProc* GetUserDlgProc(ParamBlockDesc2*, MapID = 0) override { return nullptr; }
    bool DrawRepresentation(COLORREF, HDC, RECT&) override { return false; }
    int NumInterfaces() override { return interfaces.size(); }
    FPInterface* GetInterfaceAt(int i) override { return interfaces[i]; }
    void ClearInterfaces() override { interfaces.clear(); }
    Class_ID SubClassID() override { return Class_ID(0xFFFFFFFF, 0xFFFFFFFF); }
    INT_PTR Execute(int, ULONG_PTR = 0, ULONG_PTR = 0, ULONG_PTR = 0) override { return 0; }

    using ClassDesc2::GetParamMap;
    using ClassDesc2::SetUserDlgProc;
};

// Built when the library is loaded, before the parameter block descriptor
// that names it as owner: its constructor is constant, so it is ready before
// any code of the library runs.
extern QuiltraClassDesc quiltraDesc;
