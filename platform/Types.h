#pragma once

// The plain value types, constants and message numbers of the framework
// layer, and the message tables through which a window class routes the
// messages it handles. Standard C++ only, so code using the layer's types
// needs no window-system header.

#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using WPARAM = std::uintptr_t;
using LPARAM = std::int64_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

struct POINT {
    int x = 0, y = 0;
};

struct RECT {
    int left = 0, top = 0, right = 0, bottom = 0;
};

// clang-format off
constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }
// clang-format on

// Dialog results and the ids of the standard buttons.
inline constexpr int IDOK = 1;
inline constexpr int IDCANCEL = 2;

// Window messages understood by the layer.
inline constexpr UINT WM_DESTROY = 0x0002;
inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_CLOSE = 0x0010;
inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_LBUTTONDOWN = 0x0201;
inline constexpr UINT WM_LBUTTONDBLCLK = 0x0203;
inline constexpr UINT WM_RBUTTONDOWN = 0x0204;
inline constexpr UINT WM_RBUTTONDBLCLK = 0x0206;

// A button press arrives as WM_COMMAND with the button's id as WPARAM.

// A mouse position travels in LPARAM as two 32-bit halves, x in the low one.
constexpr LPARAM MakePointLParam(int x, int y) {
    return static_cast<LPARAM>(static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) << 32 |
                               static_cast<std::uint32_t>(x));
}
constexpr POINT PointFromLParam(LPARAM l) {
    return POINT{static_cast<std::int32_t>(l & 0xFFFFFFFF), static_cast<std::int32_t>(l >> 32)};
}

// Message tables. A window class lists the messages it handles between
// BEGIN_MESSAGE_MAP and END_MESSAGE_MAP, each with the member function that
// handles it. A lookup walks from the object's own table through its base
// classes' tables; a message no table lists gets the default handling.

class CWnd;
using AFX_PMSG = void (CWnd::*)();                  // paint and button presses
using AFX_PMSG_MOUSE = void (CWnd::*)(UINT, POINT); // mouse presses: key flags, client point

struct AFX_MSGMAP_ENTRY {
    UINT nMessage; // window message, or WM_COMMAND for a button press; 0 ends the table
    int nID;       // the button's id (WM_COMMAND only)
    AFX_PMSG pfn;
    AFX_PMSG_MOUSE pfnMouse;
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// clang-format off
#define DECLARE_MESSAGE_MAP()                                                                      \
protected:                                                                                         \
    static const AFX_MSGMAP* GetThisMessageMap();                                                  \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); }              \
    const AFX_MSGMAP* theClass::GetThisMessageMap() {                                              \
        using ThisClass = theClass;                                                                \
        using TheBaseClass = baseClass;                                                            \
        static const AFX_MSGMAP_ENTRY entries[] = {

#define END_MESSAGE_MAP()                                                                          \
        {0, 0, nullptr, nullptr}};                                                                 \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, entries};          \
        return &messageMap;                                                                        \
    }

#define ON_WM_PAINT() {WM_PAINT, 0, static_cast<AFX_PMSG>(&ThisClass::OnPaint), nullptr},
#define ON_WM_LBUTTONDOWN()                                                                        \
    {WM_LBUTTONDOWN, 0, nullptr, static_cast<AFX_PMSG_MOUSE>(&ThisClass::OnLButtonDown)},
#define ON_WM_RBUTTONDOWN()                                                                        \
    {WM_RBUTTONDOWN, 0, nullptr, static_cast<AFX_PMSG_MOUSE>(&ThisClass::OnRButtonDown)},
// A press of the button with the given id.
#define ON_BN_CLICKED(id, memberFxn)                                                               \
    {WM_COMMAND, (id), static_cast<AFX_PMSG>(&ThisClass::memberFxn), nullptr},
// clang-format on
