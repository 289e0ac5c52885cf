#include "host/ClassDesc2.h"
#include "host/DialogManager.h"
#include "host/IParamBlock2.h"
#include "host/Interface.h"
#include "host/ParamBlockDesc2.h"
#include "host/ParamMap2.h"
#include "tests/host/HostFixtures.h"

#include <vector>

#include <gtest/gtest.h>

namespace {

struct Delivered {
    HWND hWnd;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
};
std::vector<Delivered> delivered;

INT_PTR CALLBACK recordingProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    delivered.push_back({hWnd, msg, wParam, lParam});
    return msg == WM_COMMAND ? 7 : 0;
}

TEST(DialogManager, DeliversMessagesToTheDialogsProcedureUntilItIsDestroyed) {
    delivered.clear();
    HWND parent = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(1), nullptr, recordingProc, 11);
    HWND child = CreateDialogParamA(nullptr, MAKEINTRESOURCEA(2), parent, recordingProc, 22);
    ASSERT_TRUE(IsWindow(parent) && IsWindow(child));
    EXPECT_EQ(GetParent(child), parent);
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[1].hWnd, child);
    EXPECT_EQ(delivered[1].msg, WM_INITDIALOG);
    EXPECT_EQ(delivered[1].lParam, 22) << "the creator's value comes with WM_INITDIALOG";

    EXPECT_EQ(SendMessageA(child, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 5), 7);
    EXPECT_EQ(delivered.back().wParam, 1001u);
    EXPECT_EQ(LOWORD(MAKEWPARAM(1007, STN_DBLCLK)), 1007);
    EXPECT_EQ(HIWORD(MAKEWPARAM(1007, STN_DBLCLK)), STN_DBLCLK);

    EXPECT_EQ(SetWindowLongPtrA(child, DWLP_USER, 99), 0);
    EXPECT_EQ(GetWindowLongPtrA(child, DWLP_USER), 99);

    delivered.clear();
    EXPECT_TRUE(DestroyWindow(parent));
    ASSERT_EQ(delivered.size(), 2u);
    EXPECT_EQ(delivered[0].hWnd, parent);
    EXPECT_EQ(delivered[1].hWnd, child) << "the child goes with its parent";
    EXPECT_EQ(delivered[1].msg, WM_DESTROY);
    EXPECT_FALSE(IsWindow(parent) || IsWindow(child));
    EXPECT_EQ(SendMessageA(child, WM_COMMAND, 0, 0), 0);
    EXPECT_FALSE(DestroyWindow(child));
    EXPECT_EQ(delivered.size(), 2u) << "nothing reaches a destroyed window";
    EXPECT_EQ(CreateDialogParamA(nullptr, nullptr, parent, recordingProc, 0), nullptr)
        << "no dialog in a window that is gone";
}

// What the procedures of a test were told, and how often one was discarded.
struct ProcLog {
    struct Call {
        int proc;
        TimeValue t;
        IParamMap2* map;
        HWND hWnd;
        UINT msg;
    };
    std::vector<Call> calls;
    std::vector<int> discarded;
};

class ProbeDlgProc final : public ParamMap2UserDlgProc {
  public:
    ProbeDlgProc(int id, ProcLog* log) : id(id), log(log) {}
    INT_PTR DlgProc(TimeValue t, IParamMap2* map, HWND hWnd, UINT msg, WPARAM, LPARAM) override {
        log->calls.push_back({id, t, map, hWnd, msg});
        return msg == WM_COMMAND;
    }
    void DeleteThis() override {
        log->discarded.push_back(id);
        delete this;
    }
    void SetThing(ReferenceTarget* m) override { thing = m; }

    ReferenceTarget* thing = nullptr;

  private:
    ~ProbeDlgProc() = default;
    int id;
    ProcLog* log;
};

class RolloutClassDesc : public ClassDesc2 {
  public:
    int IsPublic() override { return 0; }
    void* Create(BOOL) override { return nullptr; }
    const MCHAR* ClassName() override { return "Rollout test"; }
    SClass_ID SuperClassID() override { return 0x7E57; }
    Class_ID ClassID() override { return Class_ID(0x7E57, 0x7E57); }
    const MCHAR* Category() override { return ""; }
};
RolloutClassDesc rolloutDesc;

// clang-format off
ParamBlockDesc2 rolloutBlock(
    0, "rollout", 0, &rolloutDesc, P_AUTO_UI,
    300, 4, 0, 0, nullptr,
    1, "value", TYPE_FLOAT, 0, 0,
        p_end,
    p_end);
// clang-format on

// A target with the block as its reference 0.
class Edited : public Probe {
  public:
    Edited() { ReplaceReference(0, CreateParameterBlock2(&rolloutBlock, this)); }
    IParamBlock2* GetParamBlockByID(BlockID) override {
        return static_cast<IParamBlock2*>(slots[0]);
    }
};

class Rollout : public ::testing::Test {
  protected:
    ~Rollout() override {
        first->DeleteMe();
        second->DeleteMe();
        DestroyWindow(editor);
        GetCOREInterface()->SetTime(0);
    }
    HWND editor = CreateDialogParamA(nullptr, nullptr, nullptr, nullptr, 0);
    Edited* first = new Edited();
    Edited* second = new Edited();
    ProcLog log;
};

TEST_F(Rollout, IsAWindowInTheEditorWhoseMessagesReachTheProcedure) {
    IAutoMParamDlg* dlg = rolloutDesc.CreateParamDlgs(editor, nullptr, first);
    ASSERT_NE(dlg, nullptr);
    ASSERT_EQ(dlg->NumDlgs(), 1);
    IParamMap2* map = dlg->GetMap(0);
    HWND rollout = map->GetHWnd();
    ASSERT_TRUE(IsWindow(rollout));
    EXPECT_NE(rollout, editor);
    EXPECT_EQ(GetParent(rollout), editor);

    auto* proc = new ProbeDlgProc(1, &log);
    rolloutBlock.SetUserDlgProc(0, proc);
    EXPECT_EQ(map->GetUserDlgProc(), proc) << "the open rollout takes the procedure at once";

    GetCOREInterface()->SetTime(160);
    EXPECT_EQ(SendMessageA(rollout, WM_COMMAND, MAKEWPARAM(1001, BN_CLICKED), 0), 1);
    EXPECT_EQ(SendMessageA(rollout, WM_PAINT, 0, 0), 0);
    ASSERT_EQ(log.calls.size(), 2u);
    EXPECT_EQ(log.calls[0].t, 160) << "at the current time";
    EXPECT_EQ(log.calls[0].map, map);
    EXPECT_EQ(log.calls[0].hWnd, rollout);
    EXPECT_EQ(log.calls[1].msg, WM_PAINT);

    dlg->SetThing(second);
    EXPECT_EQ(proc->thing, second);

    dlg->DeleteThis();
    ASSERT_EQ(log.calls.size(), 3u);
    EXPECT_EQ(log.calls[2].msg, WM_DESTROY) << "the procedure hears of the window's end";
    EXPECT_EQ(log.discarded, std::vector<int>{1}) << "then the closed rollout discards it";
    EXPECT_FALSE(IsWindow(rollout));
    EXPECT_EQ(rolloutBlock.GetUserDlgProc(), nullptr) << "and the block forgets it";
}

TEST_F(Rollout, TwoOpenRolloutsKeepTheirOwnProceduresAndDiscardEachOnce) {
    IAutoMParamDlg* firstDlg = rolloutDesc.CreateParamDlgs(editor, nullptr, first);
    rolloutBlock.SetUserDlgProc(0, new ProbeDlgProc(1, &log));
    // The second rollout starts with the block's procedure, the first's,
    // and gets its own right after.
    IAutoMParamDlg* secondDlg = rolloutDesc.CreateParamDlgs(editor, nullptr, second);
    rolloutBlock.SetUserDlgProc(0, new ProbeDlgProc(2, &log));
    EXPECT_TRUE(log.discarded.empty()) << "the first rollout still holds procedure 1";

    SendMessageA(firstDlg->GetMap(0)->GetHWnd(), WM_COMMAND, 0, 0);
    SendMessageA(secondDlg->GetMap(0)->GetHWnd(), WM_COMMAND, 0, 0);
    ASSERT_EQ(log.calls.size(), 2u);
    EXPECT_EQ(log.calls[0].proc, 1);
    EXPECT_EQ(log.calls[1].proc, 2);

    firstDlg->DeleteThis();
    EXPECT_EQ(log.discarded, std::vector<int>{1});
    EXPECT_NE(rolloutBlock.GetUserDlgProc(), nullptr) << "procedure 2 is still in use";
    secondDlg->DeleteThis();
    EXPECT_EQ(log.discarded, (std::vector<int>{1, 2}));
}

} // namespace
