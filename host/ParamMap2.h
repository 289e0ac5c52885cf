#pragma once

#include "host/ClassID.h"
#include "host/DialogManager.h"
#include "host/HostApi.h"
#include "host/HostRelease.h"
#include "host/Interval.h"
#include "host/MaxHeapOperators.h"
#include "host/ParamType.h"
#include "host/TimeValue.h"
#include "host/WindowsTypes.h"

#include <vector>

class ClassDesc2;
class IParamBlock2;
class IParamMap2;
class ParamBlockDesc2;
class ReferenceTarget;

// The material editor's interface for a map's parameter dialogs.
class HOST_API IMtlParams {
  public:
    virtual ~IMtlParams() = default;
};

// A plug-in's handler for the messages of an automatic rollout, for the
// controls that the parameter map does not serve itself.
class HOST_API ParamMap2UserDlgProc : public MaxHeapOperators {
  public:
    // From release 12000 on the table begins with a virtual destructor;
    // earlier releases have none, and the procedure deletes itself in
    // DeleteThis.
    HOST_FROM_RELEASE_12000(virtual ~ParamMap2UserDlgProc() = default;)
    virtual INT_PTR DlgProc(TimeValue t, IParamMap2* map, HWND hWnd, UINT msg, WPARAM wParam,
                            LPARAM lParam) = 0;
    virtual void DeleteThis() = 0;
    virtual void SetThing(ReferenceTarget*) {}
    virtual void Update(TimeValue t, Interval&, IParamMap2*) { Update(t); }
    virtual void Update(TimeValue) {}
    virtual void SetParamBlock(IParamBlock2*) {}

  protected:
    HOST_BEFORE_RELEASE_12000(~ParamMap2UserDlgProc() = default;)
};

// Ties one rollout's controls to the values of one parameter block. The
// rollout is a dialog window of the descriptor's template, made in the
// parent window; its messages go to the map's procedure.
class HOST_API IParamMap2 : public MaxHeapOperators {
  public:
    IParamMap2(ParamBlockDesc2* desc, IParamBlock2* block, HWND parent);
    ~IParamMap2();
    IParamMap2(const IParamMap2&) = delete;
    IParamMap2& operator=(const IParamMap2&) = delete;

    ParamBlockDesc2* GetDesc() const { return desc; }
    IParamBlock2* GetParamBlock() const { return block; }
    // The rollout window; null when it could not be made.
    HWND GetHWnd() const { return hWnd; }

    // The maps that hold a procedure own it together: the last one to let
    // it go, when it is replaced or the map closes, discards it.
    void SetUserDlgProc(ParamMap2UserDlgProc* proc);
    ParamMap2UserDlgProc* GetUserDlgProc() const { return proc; }
    // Hands a message of the rollout window to the procedure, at time t;
    // 0 without one.
    INT_PTR HandleMessage(TimeValue t, UINT msg, WPARAM wParam, LPARAM lParam);

    // Shows parameter id (every parameter for -1) afresh; tabIndex -1 for
    // every table entry.
    void Invalidate(ParamID id = -1, int tabIndex = -1);
    struct Invalidation {
        ParamID id;
        int tabIndex;
    };
    const std::vector<Invalidation>& Invalidations() const { return invalidations; }

  private:
    static INT_PTR CALLBACK rolloutProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam);

    ParamBlockDesc2* desc;
    IParamBlock2* block;
    HWND hWnd = nullptr;
    ParamMap2UserDlgProc* proc = nullptr;
    std::vector<Invalidation> invalidations;
};

// A map's dialog in the material editor.
class HOST_API ParamDlg : public MaxHeapOperators {
  public:
    virtual ~ParamDlg() = default;
    virtual Class_ID ClassID() = 0;
    virtual void SetThing(ReferenceTarget* m) = 0;
    virtual ReferenceTarget* GetThing() = 0;
    virtual void SetTime(TimeValue) {}
    virtual void ReloadDialog() {}
    virtual void DeleteThis() = 0;
    virtual void ActivateDlg(BOOL) {}
};

// The automatic dialog: the rollouts of a map's automatic-rollout blocks.
class HOST_API IAutoMParamDlg : public ParamDlg {
  public:
    IAutoMParamDlg(ClassDesc2* cd, ReferenceTarget* thing, std::vector<IParamMap2*> maps);
    ~IAutoMParamDlg() override;

    Class_ID ClassID() override;
    void SetThing(ReferenceTarget* m) override;
    ReferenceTarget* GetThing() override { return thing; }
    void DeleteThis() override { delete this; }

    int NumDlgs() const { return static_cast<int>(maps.size()); }
    IParamMap2* GetMap(int i) const { return maps[i]; }

  private:
    ClassDesc2* cd;
    ReferenceTarget* thing;
    std::vector<IParamMap2*> maps;
};
