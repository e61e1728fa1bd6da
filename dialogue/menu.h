#pragma once

#include <cstddef>
#include <string_view>

// A dialogue's banner and menu, one line each; the last is the empty line under the menu.
inline constexpr std::size_t baris_menu = 8;
using Menu = std::string_view[baris_menu];

// Writes the banner and menu.
void tampil_menu(const Menu &menu);

// The converter: the menu, one conversion, then "try again?", until the answer is N, which
// ends the process with status 0. End of input also ends it (see tunggu_jawaban). With langkah
// each conversion writes its working too.
[[noreturn]] void menu_utama(bool langkah);

// The operations' dialogue (--hitung): the menu of bases, one soal in the base chosen, its
// result and, with langkah, its working, then "try again?", as in menu_utama.
[[noreturn]] void menu_hitung(bool langkah);

// The fractions' dialogue (--pecahan): the converter's menu, one number with or without a
// fraction part in the base chosen, its result lines and, with langkah, its working, then "try
// again?", as in menu_utama.
[[noreturn]] void menu_pecahan(bool langkah);

// Asks "try again?" after an empty line until the answer is Y, which clears the screen and
// returns, or N, which ends the process with status 0. Any other answer is reported as wrong
// and the question asked again.
void tanya_coba_lagi();
