#include "host/ClassDirectory.h"

#include "host/BitmapTex.h"
#include "host/ClassDesc2.h"
#include "host/UVGen.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<ClassDesc*>& registry() {
    static std::vector<ClassDesc*> classes{GetBitmapTexDesc(), GetStdUVGenDesc()};
    return classes;
}

} // namespace

void RegisterClassDesc(ClassDesc* cd) {
    std::vector<ClassDesc*>& classes = registry();
    if (cd && std::find(classes.begin(), classes.end(), cd) == classes.end()) {
        classes.push_back(cd);
    }
}

void UnregisterClassDesc(ClassDesc* cd) {
    std::vector<ClassDesc*>& classes = registry();
    classes.erase(std::remove(classes.begin(), classes.end(), cd), classes.end());
}

ClassDesc* FindClassDesc(SClass_ID superID, Class_ID classID) {
    for (ClassDesc* cd : registry()) {
        if (cd->SuperClassID() == superID && cd->ClassID() == classID) {
            return cd;
        }
    }
    return nullptr;
}
