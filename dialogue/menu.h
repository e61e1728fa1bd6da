#pragma once

// The dialogue: the menu, one conversion, then "try again?", until the answer is N, which
// ends the process with status 0. End of input also ends it (see tunggu_jawaban).
[[noreturn]] void menu_utama();
