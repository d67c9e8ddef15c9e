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
#include "ui/GameFrame.h"
#include "ui/Resource.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cstdio>

namespace {

constexpr unsigned kSeed = 20;
constexpr std::array<const char*, 3> kPlayers = {"Ann", "Bertil", "Cosima"};
constexpr std::array<int, 4> kChecks = {IDC_CHECK1, IDC_CHECK2, IDC_CHECK3, IDC_CHECK4};
constexpr std::array<int, 4> kNames = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
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
void FillDialog(const QString& path, bool& ok) {
    QWidget* widget = QApplication::activeModalWidget();
    auto* pDlg = dynamic_cast<CDialog*>(CWnd::FromWidget(widget));
    if (pDlg == nullptr) {
        std::fprintf(stderr, "the player-entry dialog did not open\n");
        ok = false;
        return;
    }
    for (std::size_t slot = 0; slot < kPlayers.size(); ++slot) {
        QTest::mouseClick(pDlg->GetDlgItem(kChecks[slot])->GetWidget(), Qt::LeftButton);
        QWidget* field = pDlg->GetDlgItem(kNames[slot])->GetWidget();
        QTest::mouseClick(field, Qt::LeftButton);
        QTest::keyClicks(field, kPlayers[slot]);
    }
    ok = Save(widget, path) && ok;
    QTest::keyClick(pDlg->GetDlgItem(IDOK)->GetWidget(), Qt::Key_Return);
}

QPoint Centre(const CRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

void Press(CGameFrame& frame, Qt::MouseButton button, QPoint at) {
    QWindow* window = frame.GetWidget()->windowHandle();
    QTest::mousePress(window, button, Qt::NoModifier, at);
    QTest::mouseRelease(window, button, Qt::NoModifier, at);
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
            Press(frame, Qt::LeftButton, Centre(die.GetRect()));
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
            Press(frame, Qt::LeftButton, Centre(box.GetRect()));
            return;
        }
    }
}

void PlayTurn(CGameFrame& frame, int rolls) {
    const QPoint anywhere = Centre(frame.GetRollRect());
    for (int roll = 1; roll <= rolls; ++roll) {
        Press(frame, Qt::RightButton, anywhere);
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
    QTimer::singleShot(0, [&] { FillDialog(out.filePath("dialog.png"), ok); });
    auto* pFrame = new CGameFrame;
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
    if (pFrame->GetPlayers() != static_cast<int>(kPlayers.size())) {
        std::fprintf(stderr, "the game started with %d players\n", pFrame->GetPlayers());
        ok = false;
    }
    ok = Save(pFrame->GetWidget(), out.filePath("game.png")) && ok;
    // The outer size is fixed in logical pixels; the client area is what the
    // window system's frame leaves of it.
    const QWidget* widget = pFrame->GetWidget();
    std::printf("window: outer %dx%d, client %dx%d, device pixel ratio %g\n",
                widget->frameGeometry().width(), widget->frameGeometry().height(),
                widget->width(), widget->height(), widget->devicePixelRatioF());

    pFrame->DestroyWindow();
    return ok ? 0 : 1;
}
