#include "host/Interface.h"

#include "host/ClassDesc.h"
#include "host/ClassDirectory.h"

namespace {

class CoreInterface : public Interface {
  public:
    TimeValue GetTime() override { return time; }
    void SetTime(TimeValue t, BOOL) override { time = t; }
    void* CreateInstance(SClass_ID superID, Class_ID classID) override {
        ClassDesc* cd = FindClassDesc(superID, classID);
        return cd ? cd->Create(FALSE) : nullptr;
    }

  private:
    TimeValue time = 0;
};

} // namespace

Interface* GetCOREInterface() {
    static CoreInterface core;
    return &core;
}
