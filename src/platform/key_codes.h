#pragma once
// The keys the practice logic tells apart, as Windows virtual-key codes (the key-down step),
// and the one typed character no code page byte can stand for (the key-press step).

inline constexpr int VK_BACK = 8;
inline constexpr int VK_TAB = 9;
inline constexpr int VK_RETURN = 13;
inline constexpr int VK_ESCAPE = 27;
inline constexpr int VK_SPACE = 32;
inline constexpr int VK_END = 35;
inline constexpr int VK_HOME = 36;
inline constexpr int VK_LEFT = 37;
inline constexpr int VK_UP = 38;
inline constexpr int VK_RIGHT = 39;
inline constexpr int VK_DOWN = 40;
inline constexpr int VK_INSERT = 45;
inline constexpr int VK_DELETE = 46;

// A typed character that the code page cannot hold: never equal to any sample byte.
inline constexpr int kUnmappableChar = 256;
