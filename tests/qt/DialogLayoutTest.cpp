// The player-entry dialog's frame and control geometry in dialog units.

#include "FrameTestSupport.h"
#include "PlayerEntryDriver.h"

#include "ui/Resource.h"

#include <QApplication>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRect>
#include <QScreen>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

#include <cmath>

using namespace support;

namespace {

// Each control's place in dialog units, written out on its own so a slip
// in the template shows up here.
struct Placement {
    int nID;
    int x, y, cx, cy;
};

constexpr Placement kPlacements[] = {
    {IDOK, 63, 167, 50, 14},      {IDC_CHECK1, 27, 51, 42, 16},  {IDC_CHECK2, 27, 69, 42, 16},
    {IDC_CHECK3, 27, 87, 42, 16}, {IDC_CHECK4, 27, 105, 42, 16}, {IDC_NAME1, 76, 53, 69, 14},
    {IDC_NAME2, 76, 70, 69, 14},  {IDC_NAME3, 76, 87, 69, 14},   {IDC_NAME4, 76, 104, 69, 14},
};

int Px(int du, int base, int per) {
    return static_cast<int>(std::lround(du * static_cast<double>(base) / per));
}

TEST(PlayerEntryLayout, FrameAndControlsAreLaidOutInDialogUnitsOfItsFont) {
    CPlayerEntryDlg dlg;
    int offCentre = 0;
    RunScripted(dlg, [&] {
        QWidget* dialog = dlg.GetWidget();
        EXPECT_EQ(dialog->font().family().toStdString(), "MS Sans Serif");
        EXPECT_EQ(dialog->font().pointSize(), 8);
        const QFontMetrics metrics(dialog->font());
        const int hbase = static_cast<int>(std::lround(
            metrics.horizontalAdvance("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") /
            52.0));
        const int vbase = metrics.height();
        std::printf("[ dialog font: %s %d px, hbase %d, vbase %d ]\n",
                    QFontInfo(dialog->font()).family().toUtf8().constData(),
                    QFontInfo(dialog->font()).pixelSize(), hbase, vbase);

        EXPECT_EQ(dialog->size(), QSize(Px(186, hbase, 4), Px(197, vbase, 8)));
        for (const Placement& p : kPlacements) {
            const QRect expected(Px(p.x, hbase, 4), Px(p.y, vbase, 8), Px(p.cx, hbase, 4),
                                 Px(p.cy, vbase, 8));
            EXPECT_EQ(dlg.GetDlgItem(p.nID)->GetWidget()->geometry(), expected) << p.nID;
        }

        // The guidance: shown whole, wrapped inside its own place.
        const auto labels = dialog->findChildren<QLabel*>();
        ASSERT_EQ(labels.size(), 1);
        const QLabel* guidance = labels.front();
        EXPECT_TRUE(guidance->isVisible());
        EXPECT_TRUE(guidance->wordWrap());
        EXPECT_EQ(guidance->text().toStdString(),
                  "At least one player required. Click in the box next to each name and then "
                  "enter the player name.  ");
        EXPECT_EQ(guidance->geometry(),
                  QRect(Px(29, hbase, 4), Px(17, vbase, 8), Px(113, hbase, 4), Px(30, vbase, 8)));
        const QRect needed = QFontMetrics(guidance->font())
                                 .boundingRect(QRect(0, 0, guidance->width(), 1000),
                                               Qt::TextWordWrap, guidance->text());
        EXPECT_LE(needed.height(), guidance->height());
        EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << "not resizable";

        EXPECT_EQ(dialog->windowTitle().toStdString(), "Dorvanex Player Entry");
        EXPECT_TRUE(dialog->windowFlags().testFlag(Qt::WindowCloseButtonHint));
        EXPECT_EQ(dialog->findChildren<QPushButton*>().size(), 1) << "OK only, no cancel button";
        const QPoint screenCentre = dialog->screen()->availableGeometry().center();
        offCentre = (dialog->frameGeometry().center() - screenCentre).manhattanLength();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    if (!PlatformPlacesWindowsAsAsked()) {
        GTEST_SKIP() << "only the centring is left, and the compositor places the dialog";
    }
    EXPECT_LE(offCentre, 2);
}

// The program's application font is the bold system font; the dialog and
// its controls keep the template's upright, normal-weight face all the same.
TEST(PlayerEntryLayout, TemplateFontTakesNothingFromTheApplicationFont) {
    const QFont previous = QApplication::font();
    QFont boldItalic(QStringLiteral("Liberation Serif"), 14);
    boldItalic.setBold(true);
    boldItalic.setItalic(true);
    QApplication::setFont(boldItalic);
    CPlayerEntryDlg dlg;
    RunScripted(dlg, [&] {
        for (const int nID : {IDOK, IDC_CHECK1, IDC_NAME1, IDC_NAME4}) {
            const QFontInfo shown(dlg.GetDlgItem(nID)->GetWidget()->font());
            EXPECT_FALSE(shown.bold()) << nID;
            EXPECT_FALSE(shown.italic()) << nID;
            EXPECT_EQ(shown.family().toStdString(),
                      QFontInfo(dlg.GetWidget()->font()).family().toStdString());
        }
        EXPECT_EQ(dlg.GetWidget()->font().pointSize(), 8);
        QTest::keyClick(dlg.GetWidget(), Qt::Key_Escape);
    });
    QApplication::setFont(previous);
}

// A disabled field is drawn on the dialog's face colour and an enabled one
// on the field colour, with Qt's palette and with one from a theme that gives
// disabled fields the same white as enabled ones.
TEST(PlayerEntryLayout, DisabledFieldIsDrawnOnTheFaceColourWhateverThePalette) {
    const QPalette previous = QApplication::palette();
    QPalette whiteDisabled = previous;
    whiteDisabled.setColor(QPalette::Disabled, QPalette::Base, Qt::white);
    for (const QPalette& palette : {previous, whiteDisabled}) {
        QApplication::setPalette(palette);
        const auto middle = [](CPlayerEntryDlg& dlg, int slot) {
            QLineEdit* field = SlotField(dlg, slot);
            return field->grab().toImage().pixelColor(field->rect().center()).name().toStdString();
        };
        const Step checkColours = [&](CPlayerEntryDlg& dlg) {
            EXPECT_EQ(middle(dlg, 1),
                      palette.color(QPalette::Active, QPalette::Base).name().toStdString());
            EXPECT_EQ(middle(dlg, 2),
                      palette.color(QPalette::Disabled, QPalette::Window).name().toStdString());
        };
        CPlayerEntryDlg dlg;
        RunSteps(dlg, {Click(1), checkColours, Escape()});
    }
    QApplication::setPalette(previous);
}

} // namespace
