#pragma once

// The plain value types, constants and message numbers of the framework
// layer. Standard C++ only, so that code using the layer's types needs no
// window-system header.

#include <cstdint>

using UINT = unsigned int;
using BOOL = int;
using WPARAM = std::uintptr_t;
// Wide enough for a mouse position's two 32-bit halves on every target, 32-bit
// ones included; nothing in the layer passes a pointer through it.
using LPARAM = std::int64_t;
using LRESULT = std::intptr_t;
using COLORREF = std::uint32_t;

inline constexpr BOOL TRUE = 1;
inline constexpr BOOL FALSE = 0;

struct POINT {
    int x = 0;
    int y = 0;
};

struct RECT {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

constexpr COLORREF RGB(int r, int g, int b) {
    return static_cast<COLORREF>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(COLORREF c) { return static_cast<int>(c & 0xFF); }
constexpr int GetGValue(COLORREF c) { return static_cast<int>((c >> 8) & 0xFF); }
constexpr int GetBValue(COLORREF c) { return static_cast<int>((c >> 16) & 0xFF); }

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

// Notification codes carried by WM_COMMAND.
inline constexpr UINT BN_CLICKED = 0;

constexpr WPARAM MAKEWPARAM(UINT low, UINT high) {
    return static_cast<WPARAM>((low & 0xFFFFu) | ((high & 0xFFFFu) << 16));
}
constexpr UINT LOWORD(WPARAM w) { return static_cast<UINT>(w & 0xFFFFu); }
constexpr UINT HIWORD(WPARAM w) { return static_cast<UINT>((w >> 16) & 0xFFFFu); }

// Mouse positions travel in LPARAM as two 32-bit halves, so no client
// coordinate, however large the window grows, is ever cut short.
static_assert(sizeof(LPARAM) * 8 >= 64, "LPARAM must hold two 32-bit coordinates");
constexpr LPARAM MakePointLParam(int x, int y) {
    return static_cast<LPARAM>((static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) << 32) |
                               static_cast<std::uint32_t>(x));
}
constexpr POINT PointFromLParam(LPARAM l) {
    const auto bits = static_cast<std::uint64_t>(l);
    return POINT{static_cast<std::int32_t>(static_cast<std::uint32_t>(bits & 0xFFFFFFFFu)),
                 static_cast<std::int32_t>(static_cast<std::uint32_t>(bits >> 32))};
}
