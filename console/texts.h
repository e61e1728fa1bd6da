// The texts that the console services write, each exactly as shown.
#pragma once

#include <string_view>

// The one error message, for any answer the dialogue does not accept.
inline constexpr std::string_view teks_salah = "Kode yang Anda masukkan salah!!";

// Clears a terminal: cursor home, clear screen, clear scrollback.
inline constexpr std::string_view urutan_bersih = "\x1b[H\x1b[2J\x1b[3J";

inline constexpr std::string_view awalan_galat_tulis = "tavirel: write error: ";
