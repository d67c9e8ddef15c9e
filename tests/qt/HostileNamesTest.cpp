// Names nobody would choose, entered through the real player-entry dialog:
// each is accepted or refused by the dialog's own rule (an empty name is
// refused, anything else, blanks included, is taken as it stands), kept byte
// for byte, and drawn verbatim in the main window, never read as a format.

#include "FrameTestSupport.h"
#include "GameFrameDriver.h"
#include "PictureOracle.h"
#include "PlayerEntryDriver.h"
#include "QtMessageGuard.h"

#include "game/Random.h"
#include "game/Scoring.h"
#include "tests/support/Table.h"
#include "tests/support/WindowDriver.h"
#include "ui/Resource.h"

#include <gtest/gtest.h>

#include <string>

using namespace support;

namespace {

// Long enough to run far past the window and through any fixed-size buffer
// a formatter might use.
std::string LongName(std::size_t length) {
    std::string name;
    while (name.size() < length) {
        name += "Bartholomew-";
    }
    name.resize(length);
    return name;
}

struct HostileName {
    const char* label;
    std::string name;
};

void PrintTo(const HostileName& c, std::ostream* os) {
    *os << c.label;
}

const HostileName kNames[] = {
    {"AsLongAsTheFieldKeeps", LongName(kFieldLimit)},
    {"MultiByteUtf8", "Zoë Łukasz Ærø 名前 🎲 Ελένη"},
    {"RightToLeft", "שלום עולם مرحبا بكم"},
    {"RightToLeftOverride", "\u202Eevil\u202C name"},
    {"ControlCharacters", "tab\there\x01\x07\x1b[31mred\x7f"},
    {"FormatDirectives", "%s%n%d%x%p%%%99999s"},
    {"OnlyBlanks", "   "},
};

class HostileNames : public ::testing::TestWithParam<HostileName> {
protected:
    void SetUp() override {
        support::ResetScoringState();
        SeedRandom(3);
    }
    void TearDown() override {
        CloseGame(m_pGame);
        support::ResetScoringState();
    }

    QtMessageGuard m_guard;
    TestGameFrame* m_pGame = nullptr;
};

// Typed as an input method commits text, so every character reaches the
// field the way a person's would.
TEST_P(HostileNames, DialogAcceptsTheNameAsItStands) {
    const std::string& name = GetParam().name;
    CPlayerEntryDlg dlg;
    EXPECT_EQ(support::RunSteps(
                  dlg, {support::Click(1), support::Commit(1, name.c_str()), support::Enter()}),
              IDOK);
    EXPECT_EQ(dlg.GetPlayerCount(), 1);
    EXPECT_EQ(dlg.m_strName1, name);
}

// The name in the name box, in the totals list, and as the later players'
// names too, so every place a name is drawn gets it.
TEST_P(HostileNames, WindowDrawsTheNameVerbatim) {
    const std::string& name = GetParam().name;
    m_pGame = MakeGame({{name, name + "2", "3" + name}});
    ASSERT_EQ(support::Players(*m_pGame), 3);
    EXPECT_EQ(m_pGame->GetName(0), name);

    for (int turn = 0; turn < 3; ++turn) {
        EXPECT_EQ(PictureDisagreement(RecordRepaint(*m_pGame), *m_pGame), "") << "turn " << turn;
        Press(*m_pGame, Qt::LeftButton, POINT{30, 60}); // the name box passes the turn
    }
}

INSTANTIATE_TEST_SUITE_P(Names, HostileNames, ::testing::ValuesIn(kNames),
                         [](const auto& c) { return std::string(c.param.label); });

// A paste longer than the field keeps is cut at the limit, and the name is
// what is left.
TEST(HostileNamesCut, APasteIsCutAtTheFieldsLimit) {
    QtMessageGuard guard;
    const std::string name = LongName(40000);
    CPlayerEntryDlg dlg;
    EXPECT_EQ(support::RunSteps(
                  dlg, {support::Click(1), support::Paste(1, name.c_str()), support::Enter()}),
              IDOK);
    EXPECT_EQ(dlg.m_strName1.size(), kFieldLimit);
    EXPECT_TRUE(name.starts_with(dlg.m_strName1));
}

// The one name the dialog refuses: OK leaves it open, and the player who
// gives up is "Single Player".
TEST(HostileNamesRefused, EmptyNameKeepsTheDialogOpen) {
    QtMessageGuard guard;
    CPlayerEntryDlg dlg;
    EXPECT_EQ(support::RunSteps(dlg, {support::Click(1), support::Commit(1, ""), support::Enter(),
                                      support::ExpectOpen(), support::Escape()}),
              IDCANCEL);
    EXPECT_EQ(dlg.m_strName1, "Single Player");
    EXPECT_EQ(dlg.GetPlayerCount(), 1);
}

} // namespace
