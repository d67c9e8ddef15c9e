// The floors of the start-up figures: a bare Qt window of the game window's
// client size. Reports when it is shown and when its first picture is on
// screen, then its peak resident memory, and quits. Each option makes
// another floor (bench/README.md says what each one separates):
//   --text    the window draws one line of text;
//   --faces   the window draws one line in each of the game's three faces;
//   --dialog  a plain dialog with the player-entry dialog's kinds of
//             controls comes first, reported once on screen as the game
//             reports its dialog, and is then destroyed; then the window
//             draws one line in each of the game window's two faces.

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

#include <memory>
#include <string>

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

QFont Face(const char* family, int pixelSize, bool bBold = false) {
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixelSize);
    font.setBold(bBold);
    return font;
}

// The window with --text, --faces or --dialog: draws the lines of text its
// option asks for.
class TextWindow : public QWidget {
public:
    explicit TextWindow(std::string mode) : m_mode(std::move(mode)) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        if (m_mode == "--text") {
            painter.drawText(QPoint(24, 52), QStringLiteral("Roll 0"));
            return;
        }
        // The game window's faces: a bold sans-serif for the sheet, a large
        // serif for the title; with --faces the dialog's face as well.
        painter.setFont(Face("Liberation Sans", 14, true));
        painter.drawText(QPoint(24, 120), QStringLiteral("Roll 0  Upper Total 63"));
        painter.setFont(Face("Liberation Serif", 34));
        painter.drawText(QPoint(24, 52), QStringLiteral("Dorvanex"));
        if (m_mode == "--faces") {
            painter.setFont(DialogFont());
            painter.drawText(QPoint(24, 160), QStringLiteral("At least one player required."));
        }
    }

private:
    std::string m_mode;
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

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    QApplication app(argc, argv);
    if (mode == "--dialog" || mode == "--faces") {
        // Else the edit fields would also load Qt's default face.
        QApplication::setFont(DialogFont());
    }
    // Destroyed once on screen, as the game destroys its dialog.
    std::unique_ptr<ControlsDialog> dialog;
    if (mode == "--dialog") {
        dialog = std::make_unique<ControlsDialog>();
    }
    // Only the window this run shows is built, so the floors hold nothing else.
    const std::unique_ptr<QWidget> pWindow =
        mode.empty() ? std::make_unique<QWidget>() : std::make_unique<TextWindow>(mode);
    QWidget& window = *pWindow;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(kClientWidth, kClientHeight);

    // Owned by the application.
    new bench::StartupTrace([&](QWindow* shown) {
        if (dialog != nullptr && shown == dialog->windowHandle()) {
            bench::Report("dialog-shown", bench::MonotonicNs());
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
