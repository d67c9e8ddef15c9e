#include "platform/DialogTemplate.h"

#include <QCheckBox>
#include <QFont>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QStyleOptionFrame>
#include <QWidget>

namespace {

constexpr int kHorzUnitsPerBase = 4;
constexpr int kVertUnitsPerBase = 8;
constexpr const char* kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
constexpr int kAlphabetLength = 52;

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDiv(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

bool HasStyle(UINT style, UINT flag) {
    return (style & flag) == flag;
}

// A single-line edit field. Disabled, it is drawn on the dialog's face
// colour, so an empty disabled field never looks ready for typing. Qt's own
// palette does so already, but a platform theme may give the disabled field
// the same white as an enabled one; the colours are read at paint time, so a
// theme change later on is followed.
class DialogEdit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void initStyleOption(QStyleOptionFrame* option) const override {
        QLineEdit::initStyleOption(option);
        option->palette.setBrush(QPalette::Disabled, QPalette::Base,
                                 option->palette.brush(QPalette::Disabled, QPalette::Window));
    }
};

QWidget* CreateWidgetOfKind(const DialogItem& item, QWidget* pDialog) {
    const QString text = QString::fromUtf8(item.pszText);
    switch (item.kind) {
    case DialogItemKind::DefPushButton: {
        auto* button = new QPushButton(text, pDialog);
        button->setDefault(true);
        return button;
    }
    case DialogItemKind::AutoCheckBox:
        return new QCheckBox(text, pDialog);
    case DialogItemKind::Edit: {
        auto* edit = new DialogEdit(text, pDialog);
        edit->setFrame(HasStyle(item.style, WS_BORDER));
        // A template sets no length limit, so the field keeps the platform's
        // default of 32,767 characters: a longer paste is cut there, and no
        // repaint has to lay out millions of them.
        return edit;
    }
    case DialogItemKind::Static: {
        auto* label = new QLabel(text, pDialog);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    }
    return nullptr;
}

// Stands in for the template's face where that is not installed.
constexpr const char* kFallbackFace = "Liberation Sans";

QFont DialogFont(const DialogTemplate& tmpl) {
    QFont font(QString::fromUtf8(tmpl.pszFontFace), tmpl.nPointSize);
    // Where the template's face is missing, a proportional sans-serif that
    // the game installs serves; fontconfig's own fallback can otherwise land
    // on a monospaced face, which clips the guidance text.
    font.setFamilies({QString::fromUtf8(tmpl.pszFontFace), QString::fromLatin1(kFallbackFace)});
    font.setStyleHint(QFont::SansSerif);
    // Stated in full, so that nothing is taken over from the application's
    // font: a template's font is upright and of normal weight.
    font.setWeight(QFont::Normal);
    font.setStyle(QFont::StyleNormal);
    return font;
}

// The average width of the 52 letters A-Z a-z, rounded, and the font's height.
DialogBaseUnits BaseUnitsOf(const QFont& font) {
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QString::fromLatin1(kAlphabet));
    return DialogBaseUnits{(width + kAlphabetLength / 2) / kAlphabetLength, metrics.height()};
}

} // namespace

int DialogUnitsToPixelsX(int x, DialogBaseUnits units) {
    return MulDiv(x, units.cx, kHorzUnitsPerBase);
}

int DialogUnitsToPixelsY(int y, DialogBaseUnits units) {
    return MulDiv(y, units.cy, kVertUnitsPerBase);
}

DialogBaseUnits ApplyDialogFrame(const DialogTemplate& tmpl, QWidget* pDialog) {
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (HasStyle(tmpl.style, WS_CAPTION)) {
        flags |= Qt::WindowTitleHint;
    }
    if (HasStyle(tmpl.style, WS_SYSMENU)) {
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    }
    pDialog->setWindowFlags(flags);
    pDialog->setWindowTitle(QString::fromUtf8(tmpl.pszCaption));
    pDialog->setFont(DialogFont(tmpl));

    const DialogBaseUnits units = BaseUnitsOf(pDialog->font());
    const QSize client(DialogUnitsToPixelsX(tmpl.cx, units), DialogUnitsToPixelsY(tmpl.cy, units));
    if (HasStyle(tmpl.style, DS_MODALFRAME)) {
        pDialog->setFixedSize(client);
    } else {
        pDialog->resize(client);
    }
    return units;
}

QWidget* CreateDialogItem(const DialogItem& item, DialogBaseUnits units, QWidget* pDialog) {
    QWidget* widget = CreateWidgetOfKind(item, pDialog);
    widget->setGeometry(DialogUnitsToPixelsX(item.x, units), DialogUnitsToPixelsY(item.y, units),
                        DialogUnitsToPixelsX(item.cx, units), DialogUnitsToPixelsY(item.cy, units));
    if (item.kind != DialogItemKind::Static) {
        widget->setFocusPolicy(HasStyle(item.style, WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    }
    widget->setEnabled(item.bEnabled);
    widget->setVisible(HasStyle(item.style, WS_VISIBLE));
    return widget;
}
