// The player-entry dialog driven by mouse and keyboard inside its modal run.

#include "PlayerEntryDriver.h"

#include "ui/Resource.h"

#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

using namespace support;

namespace {

struct Scenario {
    const char* name;
    std::vector<Step> steps;
    int result;
    int count;
    Names names;
};

void PrintTo(const Scenario& scenario, std::ostream* os) {
    *os << scenario.name;
}

class PlayerEntryScenario : public testing::TestWithParam<Scenario> {};

TEST_P(PlayerEntryScenario, EndsWithCountAndNames) {
    const Scenario& scenario = GetParam();
    CPlayerEntryDlg dlg;
    EXPECT_EQ(RunSteps(dlg, scenario.steps), scenario.result);
    EXPECT_EQ(dlg.GetPlayerCount(), scenario.count);
    EXPECT_EQ(NamesOf(dlg), scenario.names);
}

const Scenario kScenarios[] = {
    {"OneNamedPlayer", {Click(1), Type(1, "Ann"), Enter()}, IDOK, 1, {"Ann", "", "", ""}},
    {"EnterAtOnceIsRefused",
     {ExpectFocus(IDOK), Enter(), ExpectOpen(), Expect("o() -() -() -()"), Escape()},
     IDCANCEL,
     1,
     {"Single Player", "", "", ""}},
    {"TickedButUnnamedFirstSlotIsRefused",
     {Click(1), Enter(), ExpectOpen(), Type(1, "Ann"), Enter()},
     IDOK,
     1,
     {"Ann", "", "", ""}},
    {"ThirdNameMissingIsRefusedThenAccepted",
     {Click(1), Click(2), Click(3), Type(1, "Ann"), Type(2, "Bob"), Enter(), ExpectOpen(),
      Expect("X[Ann] X[Bob] X[] o()"), Type(3, "Cy"), Enter()},
     IDOK,
     3,
     {"Ann", "Bob", "Cy", ""}},
    {"SecondNameMissingIsRefusedThenAccepted",
     {Click(1), Click(2), Type(1, "Ann"), Enter(), ExpectOpen(), Type(2, "Bob"), Enter()},
     IDOK,
     2,
     {"Ann", "Bob", "", ""}},
    {"FourthNameMissingIsRefusedThenAccepted",
     {Click(1), Click(2), Click(3), Click(4), Type(1, "Ann"), Type(2, "Bob"), Type(3, "Cy"),
      Enter(), ExpectOpen(), Type(4, "Dee"), Enter()},
     IDOK,
     4,
     {"Ann", "Bob", "Cy", "Dee"}},
    {"OneLetterAndBlankNamesAreNamesInEverySlot",
     {Click(1), Click(2), Click(3), Click(4), Type(1, "A"), Type(2, " "), Type(3, "B"),
      Type(4, "  "), Enter()},
     IDOK,
     4,
     {"A", " ", "B", "  "}},
    {"FourPlayers",
     {Click(1), Click(2), Click(3), Click(4), Type(1, "Ann"), Type(2, "Bob"), Type(3, "Cy"),
      Type(4, "Dee"), Enter()},
     IDOK,
     4,
     {"Ann", "Bob", "Cy", "Dee"}},
    {"BlankNameIsAcceptedUnchanged",
     {Click(1), Type(1, "   "), Enter()},
     IDOK,
     1,
     {"   ", "", "", ""}},
    {"UnicodeNameKeptVerbatim",
     {Click(1), Commit(1, " Zoë 名前 🎲 "), Enter()},
     IDOK,
     1,
     {" Zoë 名前 🎲 ", "", "", ""}},
    {"UntickingSlotTwoEmptiesAndLocksBelow",
     {Click(1), Click(2), Click(3), Click(4), Type(1, "Ann"), Type(2, "Bob"), Type(3, "Cy"),
      Type(4, "Dee"), Click(2), Expect("X[Ann] o() -() -()"), Enter()},
     IDOK,
     1,
     {"Ann", "", "", ""}},
    {"EscapeAtOnce", {Escape()}, IDCANCEL, 1, {"Single Player", "", "", ""}},
    {"CloseBoxAtOnce", {Close()}, IDCANCEL, 1, {"Single Player", "", "", ""}},
    {"EscapeKeepsLaterNamesWithoutAFirst",
     {Click(1), Click(2), Type(2, "Bob"), Escape()},
     IDCANCEL,
     1,
     {"Single Player", "Bob", "", ""}},
    {"CancelWithFirstNameCountsOnePlayer",
     {Click(1), Click(2), Click(3), Type(1, "Ann"), Type(2, "Bob"), Type(3, "Cy"), Close()},
     IDCANCEL,
     1,
     {"Ann", "Bob", "Cy", ""}},
};

INSTANTIATE_TEST_SUITE_P(Dialog, PlayerEntryScenario, testing::ValuesIn(kScenarios),
                         [](const testing::TestParamInfo<Scenario>& param) {
                             return std::string(param.param.name);
                         });

TEST(PlayerEntryDlg, EnablingChainFollowsTheTicks) {
    CPlayerEntryDlg dlg;
    RunSteps(dlg, {
                      Expect("o() -() -() -()"),
                      Click(3), // disabled: nothing happens
                      Expect("o() -() -() -()"),
                      Click(1),
                      Expect("X[] o() -() -()"),
                      Click(2),
                      Expect("X[] X[] o() -()"),
                      Click(3),
                      Click(4),
                      Expect("X[] X[] X[] X[]"),
                      Type(3, "Cy"),
                      Type(4, "Dee"),
                      Click(4),
                      Expect("X[] X[] X[Cy] o()"),
                      Click(4),
                      Expect("X[] X[] X[Cy] X[]"),
                      Click(3),
                      Expect("X[] X[] o() -()"),
                      Escape(),
                  });
}

TEST(PlayerEntryDlg, RetickingSlotOneBringsBackOnlyItsFieldAndTheNextBox) {
    CPlayerEntryDlg dlg;
    RunSteps(dlg, {Click(1), Click(2), Type(1, "Ann"), Type(2, "Bob"), Click(1),
                   Expect("o() -() -() -()"), Click(1), Expect("X[] o() -() -()"), Escape()});
    EXPECT_EQ(NamesOf(dlg), (Names{"Single Player", "", "", ""}));
}

TEST(PlayerEntryDlg, TabFollowsTheTemplateOrderOverEnabledControls) {
    CPlayerEntryDlg dlg;
    RunSteps(dlg, {ExpectFocus(IDOK),
                   Tab(),
                   ExpectFocus(IDC_CHECK1),
                   Tab(),
                   ExpectFocus(IDOK),
                   Click(1),
                   Click(2),
                   Click(3),
                   Click(4),
                   ExpectFocus(IDC_CHECK4),
                   Tab(),
                   ExpectFocus(IDC_NAME1),
                   Tab(),
                   ExpectFocus(IDC_NAME2),
                   Tab(),
                   ExpectFocus(IDC_NAME3),
                   Tab(),
                   ExpectFocus(IDC_NAME4),
                   Tab(),
                   ExpectFocus(IDOK),
                   Tab(),
                   ExpectFocus(IDC_CHECK1),
                   Escape()});
}

TEST(PlayerEntryDlg, AltDigitTogglesOnlyEnabledBoxes) {
    CPlayerEntryDlg dlg;
    const int result = RunSteps(dlg, {
                                         Alt(2), // disabled
                                         Expect("o() -() -() -()"),
                                         Alt(1),
                                         Expect("X[] o() -() -()"),
                                         ExpectFocus(IDC_CHECK1),
                                         Type(1, "Ann"),
                                         // Ctrl+Alt is AltGr on some systems and types.
                                         Key(Qt::Key_At, Qt::AltModifier),
                                         Key(Qt::Key_At, Qt::ControlModifier | Qt::AltModifier),
                                         Expect("X[Ann@] o() -() -()"),
                                         Alt(2), // from inside the name field
                                         Expect("X[Ann@] X[] o() -()"),
                                         Type(2, "Bob"),
                                         Alt(4), // still disabled
                                         Expect("X[Ann@] X[Bob] o() -()"),
                                         Alt(3),
                                         Expect("X[Ann@] X[Bob] X[] o()"),
                                         Alt(4),
                                         Expect("X[Ann@] X[Bob] X[] X[]"),
                                         Alt(2),
                                         Expect("X[Ann@] o() -() -()"),
                                         Enter(),
                                     });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(NamesOf(dlg), (Names{"Ann@", "", "", ""}));
}

// Records each run of the closing step and what the controls held then.
class ClosingProbeDlg : public CPlayerEntryDlg {
public:
    BOOL DestroyWindow() override {
        ++m_nClosings;
        m_bControlsAlive =
            GetDlgItem(IDC_NAME2) != nullptr && GetDlgItem(IDC_NAME2)->GetWidget() != nullptr;
        return CPlayerEntryDlg::DestroyWindow();
    }
    int m_nClosings = 0;
    bool m_bControlsAlive = false;
};

TEST(PlayerEntryDlg, ClosingStepRunsOnceWithControlsOnEveryPath) {
    const std::vector<Step> paths[] = {
        {Click(1), Type(1, "Ann"), Enter()},
        {Escape()},
        {Close()},
    };
    for (const auto& steps : paths) {
        ClosingProbeDlg dlg;
        RunSteps(dlg, steps);
        EXPECT_EQ(dlg.m_nClosings, 1);
        EXPECT_TRUE(dlg.m_bControlsAlive);
        EXPECT_EQ(dlg.GetWidget(), nullptr);
    }
}

// An owner window: hidden, as the main window is while the dialog runs.
class OwnerWnd : public CWnd {
public:
    OwnerWnd() { AttachWidget(new QWidget, true); }
};

TEST(PlayerEntryDlg, OwnerIsDisabledOnlyWhileTheDialogRuns) {
    OwnerWnd owner;
    CPlayerEntryDlg dlg(&owner);
    BOOL enabledDuringRun = TRUE;
    const int result = RunScripted(dlg, [&] {
        enabledDuringRun = owner.GetWidget()->isEnabled();
        QTest::keyClick(dlg.GetWidget(), Qt::Key_Escape);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(enabledDuringRun);
    EXPECT_TRUE(owner.GetWidget()->isEnabled());
}

TEST(PlayerEntryDlg, OwnerDisabledBeforeStaysDisabled) {
    OwnerWnd owner;
    owner.EnableWindow(FALSE);
    CPlayerEntryDlg dlg(&owner);
    RunSteps(dlg, {Escape()});
    EXPECT_FALSE(owner.GetWidget()->isEnabled());
}

} // namespace
