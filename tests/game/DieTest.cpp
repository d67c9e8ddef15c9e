#include "game/Die.h"
#include "game/Random.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

TEST(Die, ConstructorsRollAFaceAndStartFresh) {
    SeedRandom(1);
    const CDie byDefault;
    EXPECT_EQ(byDefault.GetRect(), (CRect{20, 20, 40, 40}));
    const CDie placed(20, 150, 55, 185);
    EXPECT_EQ(placed.GetRect(), (CRect{20, 150, 55, 185}));
    for (const CDie* die : {&byDefault, &placed}) {
        EXPECT_EQ(die->GetState(), DIE_FRESH);
        EXPECT_GE(die->GetValue(), 1);
        EXPECT_LE(die->GetValue(), 6);
    }
}

// A new die takes the engine's next face, rather than a fixed one.
TEST(Die, NewDieShowsTheEnginesNextFace) {
    std::array<int, 7> seen{};
    for (unsigned seed = 1; seed <= 20; ++seed) {
        SeedRandom(seed);
        const int next = RollFace();
        SeedRandom(seed);
        const CDie die;
        EXPECT_EQ(die.GetValue(), next) << seed;
        ++seen[static_cast<std::size_t>(next)];
    }
    EXPECT_LT(seen[1], 20); // some seed starts on a face other than 1
}

TEST(Die, RollIsUniformOverSixFacesAndRepeatableFromASeed) {
    SeedRandom(7);
    CDie die;
    std::array<int, 7> seen{};
    std::vector<int> first;
    for (int n = 0; n < 6000; ++n) {
        const int face = die.Roll();
        ASSERT_GE(face, 1);
        ASSERT_LE(face, 6);
        EXPECT_EQ(die.GetValue(), face);
        ++seen[static_cast<std::size_t>(face)];
        if (n < 20) {
            first.push_back(face);
        }
    }
    EXPECT_EQ(die.GetState(), DIE_ROLLED);
    for (int face = 1; face <= 6; ++face) {
        EXPECT_GT(seen[static_cast<std::size_t>(face)], 800) << "face " << face;
    }
    SeedRandom(7);
    CDie again; // consumes one roll, as `die` did
    for (int expected : first) {
        EXPECT_EQ(again.Roll(), expected);
    }
}

TEST(Die, HoldReleaseAndEndTurnMoveOnlyAsTheStateAllows) {
    CDie die(20, 100, 55, 135);
    const CRect home = die.GetRect();
    const CRect held{70, 100, 105, 135};

    die.Hold(); // not held: moves, state is the caller's business
    EXPECT_EQ(die.GetRect(), held);
    EXPECT_EQ(die.GetState(), DIE_FRESH);
    die.Release(); // not held: stays
    EXPECT_EQ(die.GetRect(), held);
    die.EndTurn(); // not held: unchanged
    EXPECT_EQ(die.GetRect(), held);

    die.SetState(DIE_HELD);
    die.Hold(); // already held: stays
    EXPECT_EQ(die.GetRect(), held);
    die.Release();
    EXPECT_EQ(die.GetRect(), home);
    EXPECT_EQ(die.GetState(), DIE_HELD);

    // Held away from home, then the turn ends: home again, fresh, same face.
    die.SetState(DIE_ROLLED);
    die.Hold();
    die.SetState(DIE_HELD);
    const int face = die.GetValue();
    die.EndTurn();
    EXPECT_EQ(die.GetRect(), home);
    EXPECT_EQ(die.GetState(), DIE_FRESH);
    EXPECT_EQ(die.GetValue(), face);
}
