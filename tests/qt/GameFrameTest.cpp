// The main window: its construction around the player-entry dialog, and
// presses, right presses and double clicks going through the real window and
// its message table into the game.

#include "FrameTestSupport.h"
#include "GameFrameDriver.h"
#include "PictureOracle.h"

#include "game/Random.h"
#include "game/Scoring.h"
#include "tests/support/Table.h"
#include "ui/GameApp.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRect>
#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <string>
#include <utility>

using namespace support;

namespace {

class GameFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        support::ResetScoringState();
        SeedRandom(7);
    }
    void TearDown() override {
        CloseGame(m_pGame);
        support::ResetScoringState();
    }

    TestGameFrame& Start(const DialogAnswer& answer) {
        m_pGame = MakeGame(answer);
        return *m_pGame;
    }
    void Left(CPoint at) { Press(*m_pGame, Qt::LeftButton, at); }
    void Right() { Press(*m_pGame, Qt::RightButton, POINT{300, 500}); }
    CPoint DieCentre(int i) const { return Centre(m_pGame->GetDie(i).GetRect()); }

    TestGameFrame* m_pGame = nullptr;
};

TEST_F(GameFrameTest, StartUpAsksForPlayersBeforeTheWindowIsShown) {
    DialogSeen seen;
    const DialogAnswerer answerer({{"Ann"}}, &seen);
    ASSERT_TRUE(theApp.InitInstance());
    auto* frame = dynamic_cast<CGameFrame*>(theApp.m_pMainWnd);
    ASSERT_NE(frame, nullptr);
    EXPECT_TRUE(seen.shown);
    EXPECT_TRUE(seen.frameHidden);
    EXPECT_TRUE(seen.frameDisabled);
    EXPECT_TRUE(frame->GetWidget()->isVisible());
    EXPECT_TRUE(frame->GetWidget()->isEnabled());
    EXPECT_EQ(support::Players(*frame), 1);
    EXPECT_EQ(frame->GetName(0), "Ann");
    // The name the installed menu entry and icon go by.
    EXPECT_EQ(QGuiApplication::desktopFileName(), "io.github.dorvanex.Dorvanex");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame->GetWidget()));
    EXPECT_EQ(PixelAt(*frame, 330, 10), kBand);
    // 380 x 590 with its frame, near the top left of the screen.
    const QRect placed = frame->GetWidget()->frameGeometry();
    EXPECT_EQ(placed.size(), QSize(380, 590));

    frame->GetWidget()->close();
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (!PlatformPlacesWindowsAsAsked()) {
        GTEST_SKIP() << "only the position is left, and the compositor chooses it";
    }
    EXPECT_EQ(placed.topLeft(), QPoint(20, 30));
}

struct StartCase {
    const char* name;
    DialogAnswer answer;
    int players;
    std::array<std::string, 4> names;
};

void PrintTo(const StartCase& c, std::ostream* os) {
    *os << c.name;
}

class GameFrameStart : public GameFrameTest, public ::testing::WithParamInterface<StartCase> {};

TEST_P(GameFrameStart, TakesPlayersAndNamesFromTheDialog) {
    const StartCase& c = GetParam();
    const CGameFrame& game = Start(c.answer);
    EXPECT_EQ(support::Players(game), c.players);
    EXPECT_EQ(game.GetCurPlayer(), 0);
    EXPECT_EQ(game.GetRolls(), 0);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(game.GetName(k), c.names.at(static_cast<std::size_t>(k))) << k;
        EXPECT_EQ(game.GetTotal(k).GetLabel(), game.GetName(k)) << k;
        EXPECT_EQ(game.GetSheet(k) != nullptr, k < c.players) << k;
    }
}

// clang-format off
const StartCase kStartCases[] = {
    {"OnePlayer",               {{"Ann"}},                    1, {"Ann", "", "", ""}},
    {"FourPlayers",             {{"Ann", "Bob", "Cy", "Di"}}, 4, {"Ann", "Bob", "Cy", "Di"}},
    {"CancelledAtOnce",         {{}, true},                   1, {"Single Player", "", "", ""}},
    {"CancelledWithALaterName", {{"", "Bob"}, true},          1, {"Single Player", "Bob", "", ""}},
    {"NonAsciiName",            {{"Zoë", "Łukasz"}},          2, {"Zoë", "Łukasz", "", ""}},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(Answers, GameFrameStart, ::testing::ValuesIn(kStartCases),
                         [](const auto& c) { return std::string(c.param.name); });

TEST_F(GameFrameTest, RightPressRollsAndLeftPressHoldsAndReleasesADie) {
    TestGameFrame& game = Start({{"Ann"}});
    Right();
    EXPECT_EQ(game.GetRolls(), 1);
    const CRect home = game.GetDie(2).GetRect();
    Left(DieCentre(2));
    EXPECT_EQ(game.GetDie(2).GetState(), DIE_HELD);
    EXPECT_EQ(game.GetDie(2).GetRect().left, home.left + 50);
    Left(DieCentre(2));
    EXPECT_EQ(game.GetDie(2).GetState(), DIE_ROLLED);
    EXPECT_EQ(game.GetDie(2).GetRect(), home);
}

// A press reaches the game at the pixel it fell on: a die takes presses
// from its top-left pixel up to, not including, its right and bottom edges.
// A position between pixels, as on a scaled screen, counts as the pixel it
// lies in.
TEST_F(GameFrameTest, PressesMeetADieAtItsEdgesAndBetweenPixels) {
    TestGameFrame& game = Start({{"Ann"}});
    const CRect home = game.GetDie(0).GetRect();
    ASSERT_EQ(home, (CRect{20, 100, 55, 135}));
    const std::array<std::pair<CPoint, bool>, 8> cases{{{{20, 100}, true},
                                                        {{54, 134}, true},
                                                        {{19, 117}, false},
                                                        {{55, 117}, false},
                                                        {{37, 99}, false},
                                                        {{37, 135}, false},
                                                        {{20, 134}, true},
                                                        {{54, 100}, true}}};
    for (const auto& [at, hits] : cases) {
        SCOPED_TRACE(std::to_string(at.x) + "," + std::to_string(at.y));
        Left(at);
        EXPECT_EQ(game.GetDie(0).GetState() == DIE_HELD, hits);
        if (hits) {
            Left(DieCentre(0)); // release, back home
        }
    }
    const QPointF between(54.6, 134.6);
    QMouseEvent press(QEvent::MouseButtonPress, between, game.GetWidget()->mapToGlobal(between),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(game.GetWidget(), &press);
    EXPECT_EQ(game.GetDie(0).GetState(), DIE_HELD);
}

// The second press of a fast double click is a double-click message, which
// the window does not handle.
TEST_F(GameFrameTest, DoubleClickTogglesADieOnceAndDoubleRightClickRollsOnce) {
    TestGameFrame& game = Start({{"Ann"}});
    const CRect home = game.GetDie(0).GetRect();
    DoubleClick(game, Qt::LeftButton, DieCentre(0));
    EXPECT_EQ(game.GetDie(0).GetState(), DIE_HELD);
    EXPECT_EQ(game.GetDie(0).GetRect().left, home.left + 50);
    DoubleClick(game, Qt::RightButton, POINT{300, 500});
    EXPECT_EQ(game.GetRolls(), 1);
}

TEST_F(GameFrameTest, NameBoxPassesTheTurnKeepingRollsAndHeldDice) {
    TestGameFrame& game = Start({{"Ann", "Bob"}});
    Right();
    Left(DieCentre(4));
    Left(CPoint{kNameBox.left + 5, kNameBox.top + 5});
    EXPECT_EQ(game.GetCurPlayer(), 1);
    EXPECT_EQ(game.GetRolls(), 1);
    EXPECT_EQ(game.GetDie(4).GetState(), DIE_HELD);
}

} // namespace
