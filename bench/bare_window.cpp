// The floor of the start-up figures: a bare Qt window of the game window's
// client size, with nothing in it. Reports when it is shown and when its
// first picture is on screen, then its peak resident memory, and quits.
// With --text it also draws one line of text, so that the fonts are loaded
// as in any window with words in it: a second floor that separates what
// text costs from what the game adds.
// With --dialog it first shows a plain Qt dialog holding the kinds of
// controls the player-entry dialog holds, closes it once it is on screen,
// and then shows a window that draws one line in each of the faces the game
// window draws with: a third floor, what any Qt program with such a dialog
// and such a window takes before any game code runs.
// With --faces it shows only a window that draws one line in each of the
// three faces the game draws with, the dialog's among them: what any Qt
// program drawing the game's texts takes, with no controls at all.

#include "bench/StartupTrace.h"

#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <cstring>
#include <memory>

namespace {

// The face the player-entry dialog falls back on.
QFont DialogFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSize(8);
    return font;
}

// The game window's client area: 380 x 590 less the frame.
constexpr int kClientWidth = 364;
constexpr int kClientHeight = 551;

class TextWindow : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.drawText(QPoint(24, 52), QStringLiteral("Roll 0"));
    }
};

// The faces of the game window: a bold sans-serif for the sheet, a large
// serif for the title; and, when asked, the dialog's face as well.
class FacesWindow : public QWidget {
public:
    explicit FacesWindow(bool bDialogFace) : m_bDialogFace(bDialogFace) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QFont sans(QStringLiteral("Liberation Sans"));
        sans.setPixelSize(14);
        sans.setBold(true);
        painter.setFont(sans);
        painter.drawText(QPoint(24, 120), QStringLiteral("Roll 0  Upper Total 63"));
        QFont serif(QStringLiteral("Liberation Serif"));
        serif.setPixelSize(34);
        painter.setFont(serif);
        painter.drawText(QPoint(24, 52), QStringLiteral("Dorvanex"));
        if (m_bDialogFace) {
            painter.setFont(DialogFont());
            painter.drawText(QPoint(24, 160), QStringLiteral("At least one player required."));
        }
    }

private:
    bool m_bDialogFace;
};

// The player-entry dialog's kinds of controls, placed as it places them, in
// the face it falls back on.
class ControlsDialog : public QDialog {
public:
    ControlsDialog() {
        setFont(DialogFont());
        setWindowTitle(QStringLiteral("Bare dialog"));
        resize(279, 296);
        auto* label = new QLabel(QStringLiteral("At least one player required."), this);
        label->setWordWrap(true);
        label->setGeometry(44, 28, 170, 48);
        for (int i = 0; i < 4; ++i) {
            auto* check = new QCheckBox(QStringLiteral("Name &%1").arg(i + 1), this);
            check->setGeometry(41, 83 + 29 * i, 63, 26);
            auto* edit = new QLineEdit(this);
            edit->setGeometry(114, 86 + 28 * i, 104, 23);
            edit->setEnabled(i == 0);
        }
        auto* ok = new QPushButton(QStringLiteral("OK"), this);
        ok->setDefault(true);
        ok->setGeometry(95, 271, 75, 23);
    }
};

// Only the window this run shows is built, so the floors hold nothing else.
std::unique_ptr<QWidget> MakeWindow(bool bText, bool bFaces, bool bDialogFace) {
    std::unique_ptr<QWidget> pWindow;
    if (bFaces) {
        pWindow = std::make_unique<FacesWindow>(bDialogFace);
    } else if (bText) {
        pWindow = std::make_unique<TextWindow>();
    } else {
        pWindow = std::make_unique<QWidget>();
    }
    pWindow->setWindowTitle(QStringLiteral("Bare window"));
    pWindow->resize(kClientWidth, kClientHeight);
    return pWindow;
}

} // namespace

int main(int argc, char** argv) {
    const bool bText = argc > 1 && std::strcmp(argv[1], "--text") == 0;
    const bool bDialog = argc > 1 && std::strcmp(argv[1], "--dialog") == 0;
    const bool bFaces = argc > 1 && std::strcmp(argv[1], "--faces") == 0;
    QApplication app(argc, argv);
    if (bDialog || bFaces) {
        // Else the edit fields would also load Qt's default face.
        QApplication::setFont(DialogFont());
    }
    // Destroyed once on screen, as the game destroys its dialog.
    std::unique_ptr<ControlsDialog> dialog;
    if (bDialog) {
        dialog = std::make_unique<ControlsDialog>();
    }
    const std::unique_ptr<QWidget> pWindow = MakeWindow(bText, bDialog || bFaces, bFaces);
    QWidget& window = *pWindow;

    // Owned by the application.
    new bench::StartupTrace([&](QWindow* shown) {
        if (dialog != nullptr && shown == dialog->windowHandle()) {
            QTimer::singleShot(0, [&] {
                dialog.reset();
                window.show();
            });
            return;
        }
        bench::Report("window-shown", bench::MonotonicNs());
        QTimer::singleShot(0, [] {
            bench::ReportMemory();
            QCoreApplication::quit();
        });
    });
    bench::Report("show-called", bench::MonotonicNs());
    if (dialog != nullptr) {
        dialog->show();
    } else {
        window.show();
    }
    return QApplication::exec();
}
