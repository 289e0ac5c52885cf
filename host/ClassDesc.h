#pragma once

#include "host/CStr.h"
#include "host/ClassID.h"
#include "host/HostApi.h"
#include "host/MaxHeapOperators.h"
#include "host/ParamType.h"
#include "host/PointerList.h"
#include "host/WindowsTypes.h"

class ActionTable;
class Animatable;
class IParamMap2;
class ParamBlockDesc2;
class ParamMap2UserDlgProc;
class ReferenceMaker;
class FPInterface;
class ILoad;
class INode;
class ISave;
class Interface;
class IObjParam;
class Manipulator;
class ReferenceTarget;

using FPInterfaceID = Class_ID;

// The host's category text for compositor texture maps.
extern HOST_API const MCHAR* const TEXMAP_CAT_COMP;

// Describes one plug-in class to the host: its identity, and how to create
// its objects.
class HOST_API ClassDesc : public MaxHeapOperators {
  public:
    constexpr ClassDesc() = default;
    ClassDesc(const ClassDesc&) = delete;
    ClassDesc& operator=(const ClassDesc&) = delete;
    virtual ~ClassDesc();

    virtual int IsPublic() = 0;
    virtual void* Create(BOOL loading = FALSE) = 0;
    virtual int BeginCreate(Interface*) { return 0; }
    virtual int EndCreate(Interface*) { return 0; }
    virtual const MCHAR* ClassName() = 0;
    virtual SClass_ID SuperClassID() = 0;
    virtual Class_ID ClassID() = 0;
    virtual const MCHAR* Category() = 0;
    virtual BOOL OkToCreate(Interface*) { return TRUE; }
    virtual BOOL HasClassParams() { return FALSE; }
    virtual void EditClassParams(HWND) {}
    virtual void ResetClassParams(BOOL = FALSE) {}
    virtual int NumActionTables() { return 0; }
    virtual ActionTable* GetActionTable(int) { return nullptr; }
    virtual BOOL IsManipulator() { return FALSE; }
    virtual BOOL CanManipulate(ReferenceTarget*) { return FALSE; }
    virtual BOOL CanManipulateNode(INode*) { return FALSE; }
    virtual Manipulator* CreateManipulator(INode*) { return nullptr; }
    virtual Manipulator* CreateManipulator(ReferenceTarget*, INode*) { return nullptr; }
    virtual BOOL NeedsToSave() { return FALSE; }
    virtual int Save(ISave*) { return 0; }
    virtual int Load(ILoad*) { return 0; }
    virtual DWORD InitialRollupPageState() { return 0x7FFFFFFF; }
    virtual const MCHAR* InternalName() { return nullptr; }
    virtual HINSTANCE HInstance() { return nullptr; }

    // Parameter blocks and their rollouts; the descriptors of ClassDesc2
    // keep them, this base has none.
    virtual int NumParamBlockDescs() { return 0; }
    virtual ParamBlockDesc2* GetParamBlockDesc(int) { return nullptr; }
    virtual ParamBlockDesc2* GetParamBlockDescByID(short) { return nullptr; }
    virtual void AddParamBlockDesc(ParamBlockDesc2*) {}
    virtual void BeginEditParams(IObjParam*, ReferenceMaker*, ULONG, Animatable*) {}
    virtual void EndEditParams(IObjParam*, ReferenceMaker*, ULONG, Animatable*) {}
    virtual void InvalidateUI(ParamBlockDesc2*) {}
    // The text of one of the class's string resources.
    virtual const MCHAR* GetRsrcString(StringResID id);
    virtual void MakeAutoParamBlocks(ReferenceMaker*) {}
    virtual int NumParamMaps() { return 0; }
    virtual IParamMap2* GetParamMap(ParamBlockDesc2*, MapID = 0) { return nullptr; }
    virtual IParamMap2* GetParamMap(int) { return nullptr; }
    virtual BOOL SetUserDlgProc(ParamBlockDesc2*, ParamMap2UserDlgProc* = nullptr) { return FALSE; }
    virtual ParamMap2UserDlgProc* GetUserDlgProc(ParamBlockDesc2*, MapID = 0) { return nullptr; }
    // Draws the class's icon; false when it draws none.
    virtual bool DrawRepresentation(COLORREF, HDC, RECT&) { return false; }

    // Function-publishing interfaces of the class.
    virtual int NumInterfaces();
    virtual FPInterface* GetInterfaceAt(int i);
    virtual FPInterface* GetInterface(const MCHAR* name);
    virtual FPInterface* GetInterface(FPInterfaceID id);
    virtual void AddInterface(FPInterface* fpi);
    virtual void ClearInterfaces();

    virtual Class_ID SubClassID() { return Class_ID(); }
    virtual INT_PTR Execute(int, ULONG_PTR = 0, ULONG_PTR = 0, ULONG_PTR = 0) { return 0; }

  protected:
    // The interface list: its storage is kept when the list is cleared.
    PointerList<FPInterface> interfaces;
};
