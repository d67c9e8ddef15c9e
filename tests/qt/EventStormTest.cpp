// An event storm on the real main window, offscreen: bursts of random left
// and right presses, double clicks, presses outside the client area,
// resizes, partial repaints of random rectangles and expose events, for one
// to four players. Nothing may crash or log a critical message, and after
// every burst the game's invariants hold and a full repaint draws exactly
// what the state says.

#include "FrameTestSupport.h"
#include "GameFrameDriver.h"
#include "PictureOracle.h"
#include "QtMessageGuard.h"

#include "game/Categories.h"
#include "game/Random.h"
#include "game/Scoring.h"
#include "tests/support/Table.h"
#include "tests/support/TableChecks.h"

#include <QExposeEvent>
#include <QRegion>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

using namespace support;

namespace {

constexpr int kBursts = 20;
constexpr int kEventsPerBurst = 150;

// Memcheck runs fifty times slower; it sets DORVANEX_STORM_BURSTS to run a
// shorter storm, which reaches the same code.
int Bursts() {
    const char* value = std::getenv("DORVANEX_STORM_BURSTS");
    const int bursts = value != nullptr ? std::atoi(value) : 0;
    return bursts > 0 ? bursts : kBursts;
}
constexpr int kClientWidth = kClient.right;
constexpr int kClientHeight = kClient.bottom;

class Storm {
public:
    Storm(TestGameFrame& game, unsigned seed) : m_game(game), m_rng(seed) {}

    // One random event; returns its kind's name for failure reports.
    const char* Event() {
        const int kind = Uniform(0, 99);
        if (kind < 14) {
            Press(m_game, Qt::RightButton, AnyPoint());
            return "right press";
        }
        if (kind < 30) {
            Press(m_game, Qt::LeftButton,
                  InRect(m_game.GetDie(Uniform(0, NUM_DICE - 1)).GetRect()));
            return "press on a die";
        }
        if (kind < 50) {
            const CScoreSheet& sheet = *m_game.GetSheet(m_game.GetCurPlayer());
            Press(m_game, Qt::LeftButton, InRect(sheet.GetBox(Uniform(0, 17)).GetRect()));
            return "press on a row";
        }
        if (kind < 55) {
            Press(m_game, Qt::LeftButton, InRect(m_game.GetNameRect()));
            return "press on the name box";
        }
        if (kind < 63) {
            Press(m_game, Qt::LeftButton, AnyPoint());
            return "press anywhere";
        }
        if (kind < 70) {
            DoubleClick(m_game, Uniform(0, 1) == 0 ? Qt::LeftButton : Qt::RightButton, AnyPoint());
            return "double click";
        }
        if (kind < 73) {
            // Far outside the client area, negative coordinates included.
            Press(m_game, Uniform(0, 1) == 0 ? Qt::LeftButton : Qt::RightButton,
                  POINT{Uniform(-5000, 5000), Uniform(-5000, 5000)});
            return "press outside";
        }
        if (kind < 79) {
            // Mostly larger than the game needs, now and then shrunk to a
            // sliver until the next resize, so presses also land outside.
            QWidget* widget = m_game.GetWidget();
            const bool shrink = widget->width() >= kClientWidth && Uniform(0, 2) == 0;
            widget->resize(shrink ? QSize(Uniform(1, kClientWidth), Uniform(1, kClientHeight))
                                  : QSize(Uniform(kClientWidth, 900), Uniform(kClientHeight, 900)));
            return "resize";
        }
        if (kind < 88) {
            m_game.GetWidget()->repaint(AnyRect());
            return "partial repaint";
        }
        if (kind < 95) {
            QExposeEvent expose{QRegion(AnyRect())};
            QCoreApplication::sendEvent(Window(m_game), &expose);
            return "expose";
        }
        if (kind < 98) {
            QCoreApplication::processEvents();
            return "pending events";
        }
        // Five of a kind is rare from rolls alone: now and then a roll
        // shows one and the player scores it in the Dorvanex box, which
        // takes the storm through repeated five of a kinds, the joker and
        // the continuation.
        if (m_game.GetRolls() == 0) {
            Press(m_game, Qt::RightButton, AnyPoint());
        }
        const std::string f = std::to_string(Uniform(1, 6));
        m_game.SetDice(f + " " + f + " " + f + " " + f + " " + f);
        const CScoreSheet& sheet = *m_game.GetSheet(m_game.GetCurPlayer());
        Press(m_game, Qt::LeftButton, InRect(sheet.GetBox(CAT_FIVE_KIND).GetRect()));
        return "five of a kind";
    }

private:
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(m_rng); }
    POINT AnyPoint() { return {Uniform(0, kClientWidth - 1), Uniform(0, kClientHeight - 1)}; }
    POINT InRect(const CRect& r) {
        return {Uniform(r.left, r.right - 1), Uniform(r.top, r.bottom - 1)};
    }
    // Any rectangle within the client area, from a single pixel to the whole.
    QRect AnyRect() {
        const int left = Uniform(0, kClientWidth - 1);
        const int top = Uniform(0, kClientHeight - 1);
        return {left, top, Uniform(1, kClientWidth - left), Uniform(1, kClientHeight - top)};
    }

    TestGameFrame& m_game;
    std::mt19937 m_rng;
};

class EventStorm : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override {
        support::ResetScoringState();
        SeedRandom(static_cast<unsigned>(GetParam()));
    }
    void TearDown() override {
        CloseGame(m_pGame);
        support::ResetScoringState();
    }

    QtMessageGuard m_guard;
    TestGameFrame* m_pGame = nullptr;
};

TEST_P(EventStorm, WindowSurvivesAndDrawsItsState) {
    const int players = GetParam();
    const std::array<std::string, 4> all{"Ann", "Bob", "Cy", "Di"};
    m_pGame = MakeGame({std::vector<std::string>(all.begin(), all.begin() + players)});
    ASSERT_EQ(support::Players(*m_pGame), players);
    Storm storm(*m_pGame, 1000u + static_cast<unsigned>(players));
    const int bursts = Bursts();

    for (int burst = 0; burst < bursts; ++burst) {
        const support::Before before = support::TakeBefore(*m_pGame);
        const char* last = "";
        for (int event = 0; event < kEventsPerBurst; ++event) {
            last = storm.Event();
        }
        QCoreApplication::processEvents();
        ASSERT_FALSE(HasFailure()) << "burst " << burst << ", last event " << last;

        // Whether a player has scored shows in the totals list: the invariants
        // then tie that total to the sheet's grand total.
        std::array<bool, MAX_PLAYERS> hasScored{};
        for (int p = 0; p < players; ++p) {
            hasScored[static_cast<std::size_t>(p)] = m_pGame->GetTotal(p).GetScore() != SCORE_EMPTY;
        }
        ASSERT_EQ(support::CheckInvariants(*m_pGame, before, hasScored), "") << "burst " << burst;
        ASSERT_EQ(PictureDisagreement(RecordRepaint(*m_pGame), *m_pGame), "") << "burst " << burst;
    }

    // How far the storm took the game, so a storm that stopped reaching the
    // rules (every press landing outside, say) shows in the log.
    int filled = 0;
    for (int p = 0; p < players; ++p) {
        for (int row = 0; row < NUM_CATEGORIES; ++row) {
            filled += IsComputedRow(row) ? 0 : m_pGame->GetSheet(p)->GetBox(row).IsFilled();
        }
    }
    std::printf("%d events: %d rows filled, %d five-of-a-kind results\n", bursts * kEventsPerBurst,
                filled, GetFiveKindCount());
    EXPECT_GT(filled, 0);
}

INSTANTIATE_TEST_SUITE_P(Players, EventStorm, ::testing::Values(1, 2, 3, 4),
                         [](const auto& c) { return std::to_string(c.param) + "Players"; });

// The check used after each burst notices a picture that no longer matches:
// a change of state without a repaint.
TEST(PictureDisagreementCheck, NoticesAStalePicture) {
    QtMessageGuard guard;
    support::ResetScoringState();
    TestGameFrame* game = MakeGame({{"Ann", "Bob"}});
    const std::vector<DrawOp> ops = RecordRepaint(*game);
    EXPECT_EQ(PictureDisagreement(ops, *game), "");

    game->SetRolls(2);
    EXPECT_EQ(PictureDisagreement(ops, *game),
              "text at paint (24,402) is \"Roll 0\", expected \"Roll 2\"");
    game->SetRolls(0);
    game->NextPlayer();
    EXPECT_EQ(PictureDisagreement(ops, *game),
              "text at paint (24,52) is \"Ann\", expected \"Bob\"");
    CloseGame(game);
}

// The guard the storm relies on turns a critical message into a failure and
// lets a warning pass.
TEST(QtMessageGuardCheck, FailsOnCriticalOnly) {
    EXPECT_NONFATAL_FAILURE(
        {
            QtMessageGuard guard;
            qWarning("only a warning");
            qCritical("something broke");
        },
        "Qt critical message: something broke");
}

} // namespace
