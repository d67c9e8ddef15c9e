#include "ui/PlayerEntryTemplate.h"

#include "ui/Resource.h"

namespace {

constexpr UINT kDialogStyle = WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr UINT kButtonStyle = WS_VISIBLE | WS_TABSTOP;
constexpr UINT kEditStyle = WS_VISIBLE | WS_BORDER | WS_TABSTOP;
constexpr UINT kStaticStyle = WS_VISIBLE;

// The two trailing blanks belong to the text.
constexpr const char* kGuidance = "At least one player required. Click in the box next to each "
                                  "name and then enter the player name.  ";

using enum DialogItemKind;

// In tab order. Positions and sizes in dialog units.
// clang-format off
constexpr DialogItem kItems[] = {
    // id          kind           text        x    y    cx   cy  style         enabled
    {IDOK,         DefPushButton, "OK",       63,  167, 50,  14, kButtonStyle, true},
    {IDC_CHECK1,   AutoCheckBox,  "Name &1",  27,  51,  42,  16, kButtonStyle, true},
    {IDC_CHECK2,   AutoCheckBox,  "Name &2",  27,  69,  42,  16, kButtonStyle, false},
    {IDC_CHECK3,   AutoCheckBox,  "Name &3",  27,  87,  42,  16, kButtonStyle, false},
    {IDC_CHECK4,   AutoCheckBox,  "Name &4",  27,  105, 42,  16, kButtonStyle, false},
    {IDC_NAME1,    Edit,          "",         76,  53,  69,  14, kEditStyle,   false},
    {IDC_NAME2,    Edit,          "",         76,  70,  69,  14, kEditStyle,   false},
    {IDC_NAME3,    Edit,          "",         76,  87,  69,  14, kEditStyle,   false},
    {IDC_NAME4,    Edit,          "",         76,  104, 69,  14, kEditStyle,   false},
    {IDC_STATIC,   Static,        kGuidance,  29,  17,  113, 30, kStaticStyle, true},
};
// clang-format on

constexpr DialogTemplate kPlayerEntry = {
    kDialogStyle, "Dorvanex Player Entry", "MS Sans Serif", 8, 186, 197, kItems,
};

} // namespace

const DialogTemplate& PlayerEntryTemplate() {
    return kPlayerEntry;
}
