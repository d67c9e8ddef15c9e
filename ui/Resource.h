#pragma once

// Ids of the program's dialog templates and of their controls.

#include <array>

inline constexpr int IDD_PLAYER_ENTRY = 101;

inline constexpr int IDC_CHECK1 = 1000;
inline constexpr int IDC_CHECK2 = 1001;
inline constexpr int IDC_CHECK3 = 1002;
inline constexpr int IDC_CHECK4 = 1003;
inline constexpr int IDC_NAME1 = 1004;
inline constexpr int IDC_NAME2 = 1006;
inline constexpr int IDC_NAME3 = 1007;
inline constexpr int IDC_NAME4 = 1008;

// The check box and the name field of each player slot, slot 1 first.
inline constexpr std::array<int, 4> IDC_CHECKS = {IDC_CHECK1, IDC_CHECK2, IDC_CHECK3, IDC_CHECK4};
inline constexpr std::array<int, 4> IDC_NAMES = {IDC_NAME1, IDC_NAME2, IDC_NAME3, IDC_NAME4};
