#pragma once

// Dialog templates: a dialog described as data (caption, font, size and a
// table of controls placed in dialog units), and the pieces that turn such a
// table into Qt widgets.
//
// Dialog units follow the dialog font, so a layout keeps its proportions
// whatever font the system substitutes: one horizontal unit is a quarter of
// the font's average letter width, one vertical unit an eighth of its height.

#include "platform/WinTypes.h"

#include <span>

class QWidget;

// Window styles of a dialog and of its controls.
inline constexpr UINT WS_POPUP = 0x80000000u;
inline constexpr UINT WS_VISIBLE = 0x10000000u;
inline constexpr UINT WS_CAPTION = 0x00C00000u;
inline constexpr UINT WS_BORDER = 0x00800000u;
inline constexpr UINT WS_SYSMENU = 0x00080000u; // a close box in the caption
inline constexpr UINT WS_GROUP = 0x00020000u;
inline constexpr UINT WS_TABSTOP = 0x00010000u;
inline constexpr UINT DS_MODALFRAME = 0x0080u; // fixed size, no minimise or maximise box
inline constexpr UINT DS_SETFONT = 0x0040u;
// A single-line edit field scrolls its text sideways as it is typed; a Qt
// line edit always does, so the style needs no work of its own.
inline constexpr UINT ES_AUTOHSCROLL = 0x0080u;

// The id of a control nobody addresses (a label).
inline constexpr int IDC_STATIC = -1;

enum class DialogItemKind {
    DefPushButton, // push button pressed by Enter from anywhere in the dialog
    AutoCheckBox,  // check box that toggles itself when clicked
    Edit,          // single-line edit field
    Static,        // left-aligned label that wraps at word boundaries
};

// One control. Position and size are in dialog units, relative to the
// dialog's client area. An "&" in the text marks the next character as the
// control's mnemonic (Alt with that character).
struct DialogItem {
    int nID;
    DialogItemKind kind;
    const char* pszText; // UTF-8
    int x;
    int y;
    int cx;
    int cy;
    UINT style;
    bool bEnabled; // enabled when the dialog is created
};

struct DialogTemplate {
    int nID;
    UINT style;
    const char* pszCaption; // UTF-8
    const char* pszFontFace;
    int nPointSize;
    int cx; // client area, in dialog units
    int cy;
    std::span<const DialogItem> items; // also the tab order
};

// Pixels per 4 horizontal and per 8 vertical dialog units.
struct DialogBaseUnits {
    int cx;
    int cy;
};

// Dialog units to pixels, rounded to the nearest pixel (halves away from 0).
int DialogUnitsToPixelsX(int x, DialogBaseUnits units);
int DialogUnitsToPixelsY(int y, DialogBaseUnits units);

// Gives a top-level widget the template's caption, font, frame and client
// size, and returns the base units of the font it ended up with: the average
// width of the 52 letters A-Z a-z, rounded, and the font's height.
DialogBaseUnits ApplyDialogFrame(const DialogTemplate& tmpl, QWidget* pDialog);

// Creates the Qt widget for one control as a child of pDialog: kind, text,
// pixel geometry, styles and enabled state. Tab order is left to the caller.
QWidget* CreateDialogItem(const DialogItem& item, DialogBaseUnits units, QWidget* pDialog);
