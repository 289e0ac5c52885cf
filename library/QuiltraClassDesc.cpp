#include "library/QuiltraClassDesc.h"

#include "library/StringLoader.h"
#include "resources/ResourceIds.h"
#include "texmap/Quiltra.h"

QuiltraClassDesc quiltraDesc;

void* QuiltraClassDesc::Create(BOOL) {
    // The host heap yields null when it cannot allocate; no constructor runs then.
    return new Quiltra();
}

const MCHAR* QuiltraClassDesc::ClassName() {
    return LoadResString(IDS_CLASS_NAME);
}

HINSTANCE QuiltraClassDesc::HInstance() {
    return libInstance;
}

BOOL QuiltraClassDesc::SetUserDlgProc(ParamBlockDesc2* pbd, ParamMap2UserDlgProc* proc) {
    ClassDesc2::SetUserDlgProc(pbd, 0, proc);
    return TRUE;
}
