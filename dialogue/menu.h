#pragma once

// The dialogue: the menu, one conversion, then "try again?", until the answer is N, which
// ends the process with status 0. End of input also ends it (see tunggu_jawaban).
[[noreturn]] void menu_utama();

// The operations' dialogue (--hitung): the menu of bases, one soal in the base chosen, its
// result and, with langkah, its working, then "try again?", as in menu_utama.
[[noreturn]] void menu_hitung(bool langkah);

// Asks "try again?" after an empty line until the answer is Y, which clears the screen and
// returns, or N, which ends the process with status 0. Any other answer is reported as wrong
// and the question asked again.
void tanya_coba_lagi();
