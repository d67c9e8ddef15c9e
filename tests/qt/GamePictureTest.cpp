// The main window's picture, checked two ways: a recorded repaint compared
// element by element with the picture the game should show in a few states,
// and pixels of the window's surface.

#include "FrameTestSupport.h"
#include "GameFrameDriver.h"
#include "PictureOracle.h"

#include "game/Random.h"
#include "game/Scoring.h"
#include "platform/Dc.h"
#include "tests/support/Table.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <iterator>
#include <map>
#include <ostream>
#include <string>
#include <vector>

using namespace support;

namespace {

// The first text drawn with exactly these characters, or nullptr.
const DrawOp* FindText(const std::vector<DrawOp>& ops, const std::string& text) {
    const auto found = std::find_if(ops.begin(), ops.end(), [&](const DrawOp& op) {
        return op.kind == DrawOp::Kind::Text && op.text == text;
    });
    return found != ops.end() ? &*found : nullptr;
}

// Each element described on a line of its own, in drawing order.
std::vector<std::string> Described(const std::vector<DrawOp>& ops) {
    std::vector<std::string> lines;
    std::ranges::transform(ops, std::back_inserter(lines),
                           [](const auto& op) { return Describe(op); });
    return lines;
}

class GamePicture : public ::testing::Test {
protected:
    void SetUp() override {
        support::ResetScoringState();
        SeedRandom(11);
    }
    void TearDown() override {
        CloseGame(m_pGame);
        support::ResetScoringState();
    }

    TestGameFrame& Start(const DialogAnswer& answer) {
        m_pGame = MakeGame(answer);
        return *m_pGame;
    }
    // Repaints the whole window, on its surface and into the recorder, and
    // returns what was drawn.
    const std::vector<DrawOp>& Paint() {
        m_pGame->GetWidget()->update();
        Repaint(*m_pGame);
        m_ops = RecordRepaint(*m_pGame);
        return m_ops;
    }
    COLORREF Pixel(int x, int y) const { return PixelAt(*m_pGame, x, y); }

    TestGameFrame* m_pGame = nullptr;
    std::vector<DrawOp> m_ops;
};

// A game state reached through the window: presses on the frame, with the
// dice set where a test needs particular faces.
struct PictureCase {
    const char* name;
    DialogAnswer answer;
    std::function<void(TestGameFrame&)> play;
};

void PrintTo(const PictureCase& c, std::ostream* os) {
    *os << c.name;
}

void RightPress(TestGameFrame& game) {
    Press(game, Qt::RightButton, POINT{300, 520});
}
void LeftPress(TestGameFrame& game, const CRect& r) {
    Press(game, Qt::LeftButton, Centre(r));
}
void ScoreTurn(TestGameFrame& game, const std::string& faces, int row) {
    RightPress(game);
    game.SetDice(faces);
    LeftPress(game, game.GetSheet(game.GetCurPlayer())->GetBox(row).GetRect());
}

class GamePictureStates : public GamePicture, public ::testing::WithParamInterface<PictureCase> {};

TEST_P(GamePictureStates, DrawsEveryElementInOrder) {
    TestGameFrame& game = Start(GetParam().answer);
    if (GetParam().play) {
        GetParam().play(game);
    }
    EXPECT_EQ(Described(Paint()), Described(PictureOf(game)));
}

// clang-format off
const PictureCase kPictureCases[] = {
    {"NewGame", {{"Ann"}}, nullptr},
    {"AfterTwoRolls", {{"Ann"}}, [](TestGameFrame& g) { RightPress(g); RightPress(g); }},
    {"HeldDice", {{"Ann"}}, [](TestGameFrame& g) {
        RightPress(g);
        LeftPress(g, g.GetDie(1).GetRect());
        LeftPress(g, g.GetDie(3).GetRect());
    }},
    // Empty rows, scored rows, a combination left at 0, the five-of-a-kind
    // row tried in vain, and the computed rows with their sums.
    {"EveryKindOfRow", {{"Ann"}}, [](TestGameFrame& g) {
        ScoreTurn(g, "3 3 3 1 2", 2);
        ScoreTurn(g, "2 2 3 3 3", CAT_FULL_HOUSE);
        ScoreTurn(g, "1 2 3 5 6", CAT_LARGE_STRAIGHT);
        ScoreTurn(g, "1 1 2 2 3", CAT_FIVE_KIND);
        ScoreTurn(g, "6 6 6 6 6", 5);
    }},
    {"FourPlayersSecondToPlay", {{"Ann", "Bob", "Cy", "Di"}}, [](TestGameFrame& g) {
        ScoreTurn(g, "4 4 4 4 1", CAT_CHANCE);
        RightPress(g);
    }},
    {"LongName", {{"Bartholomew Featherstonehaugh-Smythe"}}, nullptr},
    {"CancelledWithALaterName", {{"", "Bob"}, true}, nullptr},
};
// clang-format on

INSTANTIATE_TEST_SUITE_P(States, GamePictureStates, ::testing::ValuesIn(kPictureCases),
                         [](const auto& c) { return std::string(c.param.name); });

// A few elements spelled out, so the comparison above does not rest on the
// state alone.
TEST_F(GamePicture, CounterNameAndTotalsStandWhereTheyBelong) {
    TestGameFrame& game = Start({{"Ann", "Bob"}});
    RightPress(game);
    RightPress(game);
    LeftPress(game, game.GetDie(0).GetRect());
    const auto& ops = Paint();
    auto find = [&](const std::string& text) {
        const DrawOp* op = FindText(ops, text);
        return op != nullptr ? Describe(*op) : std::string("(not drawn)");
    };
    const Font sys = SystemFont();
    EXPECT_EQ(find("Roll 2"), Describe(Text(DrawContext::Paint, 24, 402, "Roll 2", sys, kBlue,
                                            kBand, TRANSPARENT)));
    EXPECT_EQ(find("Ann"),
              Describe(Text(DrawContext::Paint, 24, 52, "Ann", sys, kBlue, kBand, TRANSPARENT)));
    EXPECT_EQ(find("Bob"), Describe(Text(DrawContext::Window, 279, 127, "Bob", sys, kBlack, kWhite,
                                         TRANSPARENT)));
    EXPECT_EQ(find("Grand Total"), Describe(Text(DrawContext::Window, 194, 527, "Grand Total", sys,
                                                 kBlack, kWhite, TRANSPARENT)));
    EXPECT_EQ(Describe(ops.at(2)), Describe(Rect(DrawContext::Window, {70, 100, 105, 135}, true)));
}

TEST_F(GamePicture, EverythingLiesInsideTheClientArea) {
    Start({{"Ann", "Bob", "Cy", "Di"}});
    const auto& ops = Paint();
    for (const DrawOp& op : ops) {
        if (op.kind == DrawOp::Kind::Erase) {
            continue;
        }
        if (op.kind == DrawOp::Kind::Text && op.context == DrawContext::Paint && op.rect.top == 2) {
            continue; // the title band's trailing blanks may run past the edge
        }
        EXPECT_LE(op.rect.right, kClient.right) << Describe(op);
        EXPECT_LE(op.rect.bottom, kClient.bottom) << Describe(op);
    }
}

TEST_F(GamePicture, BackgroundBoxFillAndTitleBandReachingPastTheTitle) {
    Start({{"Ann"}});
    const auto& ops = Paint();
    EXPECT_EQ(Pixel(90, 380), kBackground);
    EXPECT_EQ(Pixel(147, 117), kBoxFill); // inside the empty "Ones" box
    EXPECT_EQ(Pixel(120, 100), kBlack);   // its outline

    const DrawOp& title = ops.at(1);
    const int titleEnd =
        2 + QFontMetrics(ToQFont(title.font)).horizontalAdvance("Dorvanex by Harvelo");
    const int bandEnd = std::min<int>(title.rect.right, kClient.right);
    ASSERT_GT(bandEnd, titleEnd + 30);
    EXPECT_EQ(Pixel(titleEnd + 10, title.rect.top), kBand);
    EXPECT_EQ(Pixel(bandEnd - 1, title.rect.bottom - 1), kBand);
    EXPECT_EQ(Pixel(titleEnd + 10, title.rect.bottom), kBackground);
    EXPECT_EQ(Pixel(1, 10), kBackground);
}

// Text stands on its baseline one ascent below where it is placed: the row
// just above the baseline crosses every letter, the row above the placed top
// crosses none, and for letters without descenders neither does the row
// below the baseline's own (which may hold the overshoot of round letters).
TEST_F(GamePicture, LettersStandInsideTheCellsTheyWerePlacedIn) {
    Start({{"Ann"}});
    const auto& ops = Paint();
    const struct {
        std::string text;
        bool descends;
    } cases[] = {{kTitleBand, true}, {"Roll 0", false}};
    for (const auto& [text, descends] : cases) {
        SCOPED_TRACE(text);
        const DrawOp* found = FindText(ops, text);
        ASSERT_NE(found, nullptr);
        const DrawOp& op = *found;
        const QFontMetrics metrics(ToQFont(op.font));
        const QString letters = QString::fromStdString(text).trimmed();
        const int right = op.rect.left + metrics.horizontalAdvance(letters);
        // Pixels on a row that differ from the row's commonest colour.
        const auto inkOnRow = [&](int y) {
            std::map<COLORREF, int> colours;
            for (int x = op.rect.left; x < right; ++x) {
                ++colours[Pixel(x, y)];
            }
            int paper = 0;
            for (const auto& [colour, count] : colours) {
                paper = std::max(paper, count);
            }
            return right - op.rect.left - paper;
        };
        EXPECT_GT(inkOnRow(op.rect.top + metrics.ascent() - 2), 3);
        EXPECT_EQ(inkOnRow(op.rect.top - 1), 0);
        if (!descends) {
            EXPECT_EQ(inkOnRow(op.rect.top + metrics.ascent() + 1), 0);
        }
    }
}

TEST_F(GamePicture, HeldDieIsOutlinedFiftyPixelsRight) {
    TestGameFrame& game = Start({{"Ann"}});
    LeftPress(game, game.GetDie(0).GetRect());
    Paint();
    EXPECT_EQ(Pixel(20, 100), kBackground);
    EXPECT_EQ(Pixel(70, 100), kBlack);
    EXPECT_EQ(Pixel(104, 134), kBlack);
    EXPECT_EQ(Pixel(71, 133), kBackground); // hollow inside
    EXPECT_EQ(Pixel(20, 150), kBlack);      // die 1 stays home
}

// Every press that changes the game brings the picture up to date by
// itself, once the window's pending events have run.
TEST_F(GamePicture, PressesRepaintOnTheirOwn) {
    TestGameFrame& game = Start({{"Ann"}});
    Paint();
    const QImage rollBox = Picture(game).copy(20, 400, 50, 20);
    RightPress(game);
    QCoreApplication::processEvents();
    EXPECT_NE(Picture(game).copy(20, 400, 50, 20), rollBox);
    LeftPress(game, game.GetDie(0).GetRect());
    QCoreApplication::processEvents();
    EXPECT_EQ(Pixel(70, 100), kBlack);
    EXPECT_EQ(Pixel(20, 100), kBackground);
}

TEST_F(GamePicture, LongNameRunsPastTheNameBox) {
    Start({{"Bartholomew Featherstonehaugh-Smythe"}});
    Paint();
    bool inkPastBox = false;
    for (int x = kNameBox.right + 1; x < kClient.right && !inkPastBox; ++x) {
        for (int y = 52; y < 68; ++y) {
            const COLORREF c = Pixel(x, y);
            inkPastBox = inkPastBox || (GetBValue(c) > 200 && GetRValue(c) < 100);
        }
    }
    EXPECT_TRUE(inkPastBox);
}

// At any scale every outline stands on whole device pixels: its four sides
// are equally wide, as wide as one pixel at that scale rounds to, and the
// inside (the fill, or the background of a hollow shape) reaches it with no
// gap. Each side is measured from a point inside the shape outwards, along
// a line that no text crosses.
TEST_F(GamePicture, OutlinesAreEquallyWideOnEverySide) {
    Start({{"Ann", "Bob"}});
    Paint();
    const std::vector<DrawOp> ops = PictureOf(*m_pGame);
    const QImage* surface = Surface(*m_pGame);
    ASSERT_NE(surface, nullptr);
    const double ratio = surface->devicePixelRatio();
    const int pen = std::max(static_cast<int>(std::lround(ratio)), 1);
    const auto device = [ratio](double v) { return static_cast<int>(std::floor(v * ratio)); };
    const auto colorAt = [surface](int x, int y) {
        if (!surface->valid(x, y)) {
            return kNoPixel;
        }
        const QColor c = surface->pixelColor(x, y);
        return RGB(c.red(), c.green(), c.blue());
    };
    int rectangles = 0;
    for (const DrawOp& op : ops) {
        if (op.kind != DrawOp::Kind::Rectangle) {
            continue;
        }
        ++rectangles;
        const RECT& r = op.rect;
        const COLORREF inside = op.hollowBrush ? kBackground : op.color;
        // Device pixel centres: a row just above the bottom outline, where
        // no letter without descenders reaches, and a column left of where
        // any text starts.
        const int row = device(r.bottom - 2.5);
        const int column = device(r.left + 2.5);
        struct Side {
            const char* name;
            int x, y, dx, dy;
        };
        const Side sides[] = {
            {"left", device(r.left + 2.5), row, -1, 0},
            {"right", device(r.right - 2.5), row, 1, 0},
            {"top", column, device(r.top + 2.5), 0, -1},
            {"bottom", column, device(r.bottom - 2.5), 0, 1},
        };
        for (const Side& side : sides) {
            int x = side.x;
            int y = side.y;
            while (colorAt(x, y) == inside) {
                x += side.dx;
                y += side.dy;
            }
            int width = 0;
            while (colorAt(x, y) == kBlack) {
                x += side.dx;
                y += side.dy;
                ++width;
            }
            EXPECT_EQ(width, pen) << side.name << " side of " << Describe(op) << " at scale "
                                  << ratio;
        }
    }
    EXPECT_GE(rectangles, 5 + 18 + 2 + 2);
}

// When only part of the window is repainted, the paint context's elements
// change only inside that part, while the dice and boxes are drawn whole.
TEST_F(GamePicture, PartialRepaintRedrawsOnlyThePartButDiceAndBoxesWhole) {
    TestGameFrame& game = Start({{"Ann", "Bob"}});
    Paint();
    const QImage before = Picture(game);

    game.NextPlayer();
    game.SetRolls(2);
    game.HoldDie(0);
    const QRect part(0, 0, 364, 75);
    game.GetWidget()->repaint(part);
    const QImage partial = Picture(game);
    const std::vector<DrawOp> ops = RecordRepaint(game, part);
    ASSERT_FALSE(ops.empty());
    EXPECT_EQ(Describe(ops.front()), "paint erase (0,0,364,75) RGB(200,200,255)");

    Paint();
    const QImage after = Picture(game);

    // Inside the part: the new name over a fresh background, as a full repaint.
    for (int y = part.top(); y <= part.bottom(); ++y) {
        for (int x = part.left(); x <= part.right(); ++x) {
            ASSERT_EQ(partial.pixel(x, y), after.pixel(x, y)) << x << "," << y;
        }
    }
    // Outside it: the old roll counter is still there.
    for (int y = kRollBox.top; y < kRollBox.bottom; ++y) {
        for (int x = kRollBox.left; x < kRollBox.right; ++x) {
            ASSERT_EQ(partial.pixel(x, y), before.pixel(x, y)) << x << "," << y;
        }
    }
    EXPECT_NE(before.copy(20, 400, 50, 20), after.copy(20, 400, 50, 20));
    // The held die is drawn whole at its new place, and nothing erased the
    // old one.
    for (const QPoint p : {QPoint(70, 100), QPoint(104, 134), QPoint(70, 134), QPoint(104, 100)}) {
        EXPECT_EQ(QColor(partial.pixel(p)), QColor(Qt::black)) << p.x() << "," << p.y();
    }
    EXPECT_EQ(QColor(partial.pixel(20, 120)), QColor(Qt::black));
    EXPECT_EQ(QColor(after.pixel(20, 120)), QColor(200, 200, 255));
}

} // namespace
