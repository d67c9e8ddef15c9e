// Renders the player-entry dialog and the main window in mid-game into PNG
// files, on whatever Qt platform is in use (the offscreen one needs no
// display). It builds the real window and dialog and plays a short game
// through the window's own mouse input, so the pictures show what a player
// sees. The dice come from a fixed seed, so the pictures repeat from run to
// run.
//
//   dorvanex_screenshots OUTDIR      writes OUTDIR/dialog.png and OUTDIR/game.png

#include "game/Categories.h"
#include "game/Random.h"
#include "platform/App.h"
#include "platform/Dialog.h"
#include "tests/support/Table.h"
#include "tests/support/WindowDriver.h"
#include "ui/GameFrame.h"
#include "ui/Resource.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr unsigned kSeed = 20;
constexpr std::array<const char*, 3> kPlayers = {"Ann", "Bertil", "Cosima"};
// Whole turns played before the picture; the turn after them is caught
// between its second and third roll.
constexpr int kFullTurns = 10;

bool Save(QWidget* widget, const QString& path) {
    const QPixmap picture = widget->grab();
    if (picture.isNull() || !picture.save(path, "PNG")) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s: %dx%d pixels\n", qPrintable(path), picture.width(), picture.height());
    return true;
}

// Ticks a slot and types its name as a person would, then photographs the
// dialog and presses OK. Runs inside the dialog's modal loop.
void FillDialog(QWidget* widget, const CDialog& dlg, const QString& path, bool& ok) {
    for (int slot = 1; slot <= static_cast<int>(kPlayers.size()); ++slot) {
        QTest::mouseClick(support::SlotBox(dlg, slot), Qt::LeftButton);
        QTest::mouseClick(support::SlotField(dlg, slot), Qt::LeftButton);
        QTest::keyClicks(support::SlotField(dlg, slot),
                         kPlayers[static_cast<std::size_t>(slot - 1)]);
    }
    ok = Save(widget, path) && ok;
    QTest::keyClick(support::Control(dlg, IDOK), Qt::Key_Return);
}

// A press and release at the middle of the rectangle, then the repaint.
void Press(CGameFrame& frame, Qt::MouseButton button, const CRect& r) {
    QWindow* window = frame.GetWidget()->windowHandle();
    const CPoint at = support::Centre(r);
    QTest::mousePress(window, button, Qt::NoModifier, QPoint(at.x, at.y));
    QTest::mouseRelease(window, button, Qt::NoModifier, QPoint(at.x, at.y));
    frame.UpdateWindow();
}

// The face most dice show, the higher one on a tie.
int CommonFace(const CGameFrame& frame) {
    std::array<int, 7> counts{};
    for (int i = 0; i < NUM_DICE; ++i) {
        ++counts.at(static_cast<std::size_t>(frame.GetDie(i).GetValue()));
    }
    int best = 6;
    for (int face = 6; face >= 1; --face) {
        if (counts.at(static_cast<std::size_t>(face)) > counts.at(static_cast<std::size_t>(best))) {
            best = face;
        }
    }
    return best;
}

// Holds every die showing the common face and releases the others.
void HoldCommon(CGameFrame& frame) {
    const int face = CommonFace(frame);
    for (int i = 0; i < NUM_DICE; ++i) {
        const CDie& die = frame.GetDie(i);
        const bool held = die.GetState() == DIE_HELD;
        if ((die.GetValue() == face) != held) {
            Press(frame, Qt::LeftButton, die.GetRect());
        }
    }
}

// Scores the number row of the common face if it is open, else the first
// open row below it, so the sheets fill up the way a cautious player's do.
void ScoreTurn(CGameFrame& frame) {
    const CScoreSheet* sheet = frame.GetSheet(frame.GetCurPlayer());
    const int wanted = CAT_ONES + CommonFace(frame) - 1;
    for (int k = 0; k < NUM_CATEGORIES; ++k) {
        const int id = (wanted + k) % NUM_CATEGORIES;
        const CScoreBox& box = sheet->GetBox(id);
        if (!IsComputedRow(id) && !box.IsFilled()) {
            Press(frame, Qt::LeftButton, box.GetRect());
            return;
        }
    }
}

void PlayTurn(CGameFrame& frame, int rolls) {
    for (int roll = 1; roll <= rolls; ++roll) {
        Press(frame, Qt::RightButton, frame.GetRollRect());
        if (roll < MAX_ROLLS) {
            HoldCommon(frame);
        }
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(out.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }

    SeedRandom(kSeed);
    bool ok = true;
    bool answered = false;
    const support::DialogWatcher answer([&](QWidget* modal, CDialog& dlg) {
        answered = true;
        FillDialog(modal, dlg, out.filePath("dialog.png"), ok);
    });
    auto* pFrame = new CGameFrame;
    if (!answered) {
        std::fprintf(stderr, "the player-entry dialog did not open\n");
        ok = false;
    }
    // The dice and the sheet draw into the application's main window, as
    // they do in the program.
    AfxGetApp()->m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOW);
    (void)QTest::qWaitForWindowExposed(pFrame->GetWidget());
    pFrame->UpdateWindow();

    for (int turn = 0; turn < kFullTurns; ++turn) {
        PlayTurn(*pFrame, MAX_ROLLS);
        ScoreTurn(*pFrame);
    }
    PlayTurn(*pFrame, 2);
    if (support::Players(*pFrame) != static_cast<int>(kPlayers.size())) {
        std::fprintf(stderr, "the game started with %d players\n", support::Players(*pFrame));
        ok = false;
    }
    ok = Save(pFrame->GetWidget(), out.filePath("game.png")) && ok;
    // The outer size is fixed in logical pixels; the client area is what the
    // window system's frame leaves of it.
    const QWidget* widget = pFrame->GetWidget();
    std::printf("window: outer %dx%d, client %dx%d, device pixel ratio %g\n",
                widget->frameGeometry().width(), widget->frameGeometry().height(), widget->width(),
                widget->height(), widget->devicePixelRatioF());

    pFrame->DestroyWindow();
    return ok ? 0 : 1;
}
