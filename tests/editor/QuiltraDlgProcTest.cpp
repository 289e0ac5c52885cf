#include "editor/QuiltraDlgProc.h"

#include "editor/HomePage.h"
#include "host/DialogManager.h"
#include "host/HostHeap.h"
#include "host/ParamMap2.h"
#include "resources/ResourceIds.h"
#include "tests/editor/EditorFixtures.h"
#include "texmap/ParamBlock.h"

#include <vector>

namespace {

class DlgProc : public EditorTest {
  protected:
    ~DlgProc() override { proc->DeleteThis(); }

    INT_PTR send(UINT msg, WORD control, WORD code = 0) {
        return proc->DlgProc(0, nullptr, rollout, msg, MAKEWPARAM(control, code), 0);
    }
    // Whether anything happened that a command would do.
    void expectNothingDone(const char* what) {
        EXPECT_TRUE(FileDialogRequests().empty()) << what << ": no file dialog";
        EXPECT_TRUE(ShellExecuteCalls().empty()) << what << ": no browser";
        EXPECT_FALSE(map->ivalid.InInterval(0)) << what << ": no update";
    }

    HWND rollout = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(0x4321));
    QuiltraDlgProc* proc = new QuiltraDlgProc(map);
};

TEST_F(DlgProc, AnswersZeroToEveryOtherMessageAndDoesNothing) {
    const UINT messages[] = {0, WM_DESTROY, WM_PAINT, WM_NOTIFY, WM_INITDIALOG, WM_SYSCOMMAND};
    const WORD controls[] = {IDC_OPEN_FILES, IDC_RELOAD_FILES, IDC_BANNER};
    for (const UINT msg : messages) {
        for (const WORD control : controls) {
            EXPECT_EQ(send(msg, control), 0) << "message " << msg << ", control " << control;
        }
    }
    expectNothingDone("other messages");
}

TEST_F(DlgProc, AnswersOneToEveryCommandAndActsOnlyOnItsThree) {
    // The radio buttons, edit fields and spinners the parameter map serves,
    // and controls the rollout does not have.
    std::vector<WORD> others = {0, 1, 1002, 1003, 1004, 1006, 1008, 1009, 1010, 0xFFFF};
    for (WORD id = IDC_ALL_GAMMA_EDIT; id <= IDC_BLUR_SPIN; ++id) {
        others.push_back(id);
    }
    for (const WORD control : others) {
        for (const WORD code : {BN_CLICKED, BN_DOUBLECLICKED, WORD(0x0300)}) {
            EXPECT_EQ(send(WM_COMMAND, control, code), 1) << "control " << control;
        }
    }
    expectNothingDone("commands of other controls");

    CancelNextFileDialog();
    EXPECT_EQ(send(WM_COMMAND, IDC_OPEN_FILES, BN_CLICKED), 1);
    ASSERT_EQ(FileDialogRequests().size(), 1u);
    EXPECT_EQ(FileDialogRequests()[0].request.hwndOwner, rollout) << "the rollout owns the dialog";

    EXPECT_EQ(send(WM_COMMAND, IDC_RELOAD_FILES, BN_CLICKED), 1);
    EXPECT_TRUE(map->ivalid.InInterval(0)) << "reloading ends with an update";
    EXPECT_TRUE(ShellExecuteCalls().empty());
}

TEST_F(DlgProc, TheBannerOpensTheHomePageOncePerCommandWhateverTheNotification) {
    const WORD codes[] = {STN_CLICKED, STN_DBLCLK, 2, 3, 0xFFFF};
    std::size_t expected = 0;
    for (const WORD code : codes) {
        EXPECT_EQ(send(WM_COMMAND, IDC_BANNER, code), 1);
        const std::vector<ShellExecuteCall> calls = ShellExecuteCalls();
        ASSERT_EQ(calls.size(), ++expected) << "notification " << code;
        const ShellExecuteCall& call = calls.back();
        EXPECT_EQ(call.hwnd, nullptr);
        EXPECT_EQ(call.operation, "open");
        EXPECT_EQ(call.file, kHomePage);
        EXPECT_FALSE(call.parameters.has_value());
        EXPECT_FALSE(call.directory.has_value());
        EXPECT_EQ(call.showCmd, SW_SHOWNORMAL);
    }
    EXPECT_EQ(std::string(kHomePage).rfind("https://", 0), 0u);

    // No browser: the failure is not examined and the rollout goes on.
    SetShellExecuteResult(31);
    EXPECT_EQ(send(WM_COMMAND, IDC_BANNER, STN_CLICKED), 1);
    EXPECT_EQ(ShellExecuteCalls().size(), expected + 1);
    EXPECT_TRUE(FileDialogRequests().empty());
}

TEST_F(DlgProc, SetThingRedirectsBothCommands) {
    Quiltra* other = new Quiltra();
    PickInNextFileDialog("/pics", {"mine.jpg"});
    map->OpenFiles(nullptr);
    const std::vector<Texmap*> mine = table();
    const int mineLoads = loadsOf(mine[0]);

    proc->SetThing(other);
    PickInNextFileDialog("/pics", {"a.jpg", "b.jpg"});
    send(WM_COMMAND, IDC_OPEN_FILES, BN_CLICKED);
    EXPECT_EQ(table(other).size(), 2u) << "opened into the map given last";
    EXPECT_EQ(table(), mine) << "the first map keeps its table";

    const int otherLoads = loadsOf(table(other)[0]);
    send(WM_COMMAND, IDC_RELOAD_FILES, BN_CLICKED);
    EXPECT_EQ(loadsOf(table(other)[0]), otherLoads + 1);
    EXPECT_EQ(loadsOf(mine[0]), mineLoads) << "the first map's textures are not reloaded";
    other->DeleteMe();
}

class CreateParamDlg : public EditorTest {
  protected:
    ~CreateParamDlg() override { DestroyWindow(editor); }

    static IParamMap2* rolloutOf(ParamDlg* dlg) {
        return static_cast<IAutoMParamDlg*>(dlg)->GetMap(0);
    }

    HWND editor = CreateDialogParamA(nullptr, nullptr, nullptr, nullptr, 0);
};

TEST_F(CreateParamDlg, GivesTheRolloutAProcedureForThisMap) {
    ParamDlg* dlg = map->CreateParamDlg(editor, nullptr);
    ASSERT_NE(dlg, nullptr);
    IParamMap2* rollout = rolloutOf(dlg);
    ASSERT_NE(rollout, nullptr);
    EXPECT_EQ(rollout->GetDesc(), &paramBlockDesc);
    EXPECT_EQ(rollout->GetParamBlock(), map->pblock);
    auto* proc = dynamic_cast<QuiltraDlgProc*>(rollout->GetUserDlgProc());
    ASSERT_NE(proc, nullptr);
    EXPECT_EQ(proc->texMap, map);

    // A click on "Open files" in the rollout window.
    PickInNextFileDialog("/pics", {"a.jpg"});
    SendMessageA(rollout->GetHWnd(), WM_COMMAND, MAKEWPARAM(IDC_OPEN_FILES, BN_CLICKED), 0);
    ASSERT_EQ(table().size(), 1u);
    EXPECT_EQ(FileDialogRequests()[0].request.hwndOwner, rollout->GetHWnd());
    EXPECT_NE(rollout->GetHWnd(), editor) << "the rollout's own window owns the dialog";

    // Editing another map of the class in the same dialog.
    Quiltra* other = new Quiltra();
    dlg->SetThing(other);
    PickInNextFileDialog("/pics", {"b.jpg", "c.jpg"});
    SendMessageA(rollout->GetHWnd(), WM_COMMAND, MAKEWPARAM(IDC_OPEN_FILES, BN_CLICKED), 0);
    EXPECT_EQ(table(other).size(), 2u);
    EXPECT_EQ(table().size(), 1u);

    dlg->DeleteThis(); // discards the procedure with the rollout
    other->DeleteMe();
}

TEST_F(CreateParamDlg, TwoOpenRolloutsServeTheirOwnMaps) {
    Quiltra* other = new Quiltra();
    ParamDlg* mine = map->CreateParamDlg(editor, nullptr);
    ParamDlg* theirs = other->CreateParamDlg(editor, nullptr);

    PickInNextFileDialog("/pics", {"a.jpg"});
    PickInNextFileDialog("/pics", {"b.jpg", "c.jpg"});
    SendMessageA(rolloutOf(mine)->GetHWnd(), WM_COMMAND, IDC_OPEN_FILES, 0);
    SendMessageA(rolloutOf(theirs)->GetHWnd(), WM_COMMAND, IDC_OPEN_FILES, 0);
    EXPECT_EQ(table().size(), 1u);
    EXPECT_EQ(table(other).size(), 2u);

    mine->DeleteThis();
    // The second rollout's procedure outlives the first rollout.
    SendMessageA(rolloutOf(theirs)->GetHWnd(), WM_COMMAND, IDC_RELOAD_FILES, 0);
    theirs->DeleteThis();
    other->DeleteMe();
}

TEST_F(CreateParamDlg, WithoutMemoryForTheProcedureTheRolloutStillOpens) {
    // The rollout's two objects are made, the procedure is refused.
    const int refusedBefore = RefusedHostAllocations();
    FailHostAllocations(1, 2);
    ParamDlg* dlg = map->CreateParamDlg(editor, nullptr);
    FailHostAllocations(0);
    ASSERT_EQ(RefusedHostAllocations(), refusedBefore + 1);
    ASSERT_NE(dlg, nullptr);
    EXPECT_EQ(rolloutOf(dlg)->GetUserDlgProc(), nullptr);

    CancelNextFileDialog();
    EXPECT_EQ(SendMessageA(rolloutOf(dlg)->GetHWnd(), WM_COMMAND, IDC_OPEN_FILES, 0), 0);
    EXPECT_TRUE(FileDialogRequests().empty()) << "the commands are gone, the rollout works";
    dlg->DeleteThis();
}

} // namespace
