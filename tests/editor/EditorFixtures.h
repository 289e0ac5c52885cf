#pragma once

#include "host/BitmapTex.h"
#include "host/ClassDesc2.h"
#include "host/ClassDirectory.h"
#include "host/FileDialog.h"
#include "host/IParamBlock2.h"
#include "host/Interface.h"
#include "host/Shell.h"
#include "host/UVGen.h"
#include "texmap/ParamIds.h"
#include "texmap/Quiltra.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

// A map as the editor edits it, deleted at the end, with the host's dialog
// and shell records cleared before and after.
class EditorTest : public ::testing::Test {
  protected:
    EditorTest() {
        ResetFileDialogs();
        ResetShellExecute();
    }
    ~EditorTest() override {
        map->DeleteMe();
        ResetFileDialogs();
        ResetShellExecute();
        GetCOREInterface()->SetTime(0);
    }

    // The entries of map's table, in order.
    static std::vector<Texmap*> table(Quiltra* m) {
        std::vector<Texmap*> entries;
        for (int i = 0; i < m->pblock->Count(submaps); ++i) {
            Texmap* entry = nullptr;
            Interval any = FOREVER;
            m->pblock->GetValue(submaps, 0, entry, any, i);
            entries.push_back(entry);
        }
        return entries;
    }
    std::vector<Texmap*> table() const { return table(map); }
    // The copy of the table the last update made.
    std::vector<Texmap*> copy() const {
        return std::vector<Texmap*>(map->shading.subMaps,
                                    map->shading.subMaps + map->shading.subMapCount);
    }
    void update() {
        Interval valid = FOREVER;
        map->Update(GetCOREInterface()->GetTime(), valid);
    }

    static std::string fileNameOf(Texmap* bitmap) {
        const MCHAR* name = nullptr;
        Interval any = FOREVER;
        bitmap->GetParamBlock(0)->GetValue(BitmapTex::bmtex_filename, 0, name, any);
        return name ? name : "";
    }
    static int filteringOf(Texmap* bitmap) {
        int filteringValue = -1;
        Interval any = FOREVER;
        bitmap->GetParamBlock(0)->GetValue(BitmapTex::bmtex_filtering, 0, filteringValue, any);
        return filteringValue;
    }
    static float blurOf(Texmap* bitmap) {
        return static_cast<StdUVGen*>(bitmap->GetTheUVGen())->GetBlur(0);
    }
    static int loadsOf(Texmap* bitmap) { return static_cast<BitmapTex*>(bitmap)->LoadCount(); }

    Quiltra* map = new Quiltra();
};

// Stands in for the host's bitmap texture class and refuses to make the
// objects whose turn is listed (0 for the first asked for).
class RefusingBitmapDesc : public ClassDesc2 {
  public:
    explicit RefusingBitmapDesc(std::vector<int> refused) : refusedTurns(std::move(refused)) {
        UnregisterClassDesc(GetBitmapTexDesc());
        RegisterClassDesc(this);
    }
    ~RefusingBitmapDesc() override {
        UnregisterClassDesc(this);
        RegisterClassDesc(GetBitmapTexDesc());
    }

    int IsPublic() override { return TRUE; }
    void* Create(BOOL loading) override {
        const int turn = turns++;
        for (const int refused : refusedTurns) {
            if (refused == turn) {
                return nullptr;
            }
        }
        return GetBitmapTexDesc()->Create(loading);
    }
    const MCHAR* ClassName() override { return "Bitmap"; }
    SClass_ID SuperClassID() override { return TEXMAP_CLASS_ID; }
    Class_ID ClassID() override { return BMTEX_CLASS_ID; }
    const MCHAR* Category() override { return ""; }

  private:
    std::vector<int> refusedTurns;
    int turns = 0;
};
