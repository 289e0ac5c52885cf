#pragma once

#include "host/Animatable.h"
#include "host/CStr.h"
#include "host/HostApi.h"
#include "host/ParamType.h"

#include <string>
#include <vector>

class ClassDesc2;
class ParamMap2UserDlgProc;

// One parameter of a block, as its descriptor defines it.
struct HOST_API ParamDef {
    ParamID ID = -1;
    std::string int_name;
    int type = TYPE_FLOAT;
    int flags = 0;
    StringResID local_name = 0;
    int tab_size = 0; // initial size of a table

    bool hasDefault = false;
    float defaultFloat = 0.0f;
    int defaultInt = 0;
    std::string defaultString;

    bool hasRange = false;
    float rangeLowFloat = 0.0f, rangeHighFloat = 0.0f;
    int rangeLowInt = 0, rangeHighInt = 0;

    // The rollout control the parameter is tied to.
    int uiType = 0; // 0, TYPE_SPINNER or TYPE_RADIO
    int editType = 0;
    std::vector<int> ctrlIDs; // edit and spinner, or one per radio button
    float scale = 0.0f;
};

// Describes a parameter block: written by a plug-in as one declarative
// argument list (block settings, then one stanza per parameter, each closed
// by p_end, and p_end to close the list) and registered with its owner.
//
// The list is checked as it is read. A malformed list cannot be used safely
// at all, so it stops the program with a message that names the block and
// the parameter, when the library that holds it is loaded.
class HOST_API ParamBlockDesc2 {
  public:
    ParamBlockDesc2(BlockID id, const char* int_name, StringResID local_name, ClassDesc2* cd,
                    int flags, ...);
    ~ParamBlockDesc2();
    ParamBlockDesc2(const ParamBlockDesc2&) = delete;
    ParamBlockDesc2& operator=(const ParamBlockDesc2&) = delete;

    BlockID ID;
    std::string int_name;
    StringResID local_name;
    ClassDesc2* cd;
    int flags;
    int ref_no = -1; // the owner's reference that holds the block
    int dlg_template = 0;
    StringResID title = 0;
    int test_flags = 0;
    int rollup_flags = 0;

    int Count() const { return static_cast<int>(paramdefs.size()); }
    ParamID IndextoID(int index) const;
    int IDtoIndex(ParamID id) const; // -1 for an unknown ID
    const ParamDef& GetParamDef(ParamID id) const;
    const ParamDef& ParamAt(int index) const { return paramdefs[index]; }

    // The procedure of the automatic rollout's map: the open rollout made
    // last takes it at once, and rollouts opened later start with it.
    void SetUserDlgProc(MapID map_id, ParamMap2UserDlgProc* proc = nullptr);
    ParamMap2UserDlgProc* GetUserDlgProc(MapID map_id = 0) const;
    // A discarded procedure is not handed to later rollouts.
    void ForgetUserDlgProc(const ParamMap2UserDlgProc* proc);

  private:
    std::vector<ParamDef> paramdefs;
    ParamMap2UserDlgProc* dlgProc = nullptr;
};
