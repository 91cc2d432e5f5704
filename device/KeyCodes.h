#pragma once

#include <cstdint>

// The Windows virtual-key codes of the keys the toy and its sheet answer to.
namespace KeyCode {

constexpr int16_t Backspace = 8;
constexpr int16_t Enter = 13;
constexpr int16_t Escape = 27;
constexpr int16_t Left = 37;
constexpr int16_t Up = 38;
constexpr int16_t Right = 39;
constexpr int16_t Down = 40;
constexpr int16_t A = 65;
constexpr int16_t F1 = 112;

} // namespace KeyCode
