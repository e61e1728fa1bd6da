// What each platform gives the console services: reading standard input, writing standard
// output and standard error, telling whether output is a terminal or console, and clearing
// that screen. Each platform's part is a file of its own (unix.cpp, windows.cpp, web.cpp),
// chosen by the build. For console/ alone.
#pragma once

#include <cstddef>
#include <string_view>

// Readies the platform's side of the standard streams, once, before anything is written.
void siapkan_platform();

// Reads up to panjang bytes of standard input into ruang; returns how many it read, 0 at the
// end of input, or -1 with errno set.
long long baca_masukan(char *ruang, std::size_t panjang);

// Writes up to panjang bytes of teks to standard output; returns how many it wrote, or -1
// with errno set.
long long tulis_keluaran(const char *teks, std::size_t panjang);

// Writes up to panjang bytes of teks, a line or the rest of one, to standard error; returns
// how many it wrote, or -1 with errno set.
long long tulis_galat_platform(const char *teks, std::size_t panjang);

// Whether standard output is a terminal or console whose screen can be cleared.
bool keluaran_terminal();

// Clears the screen of standard output; called only when keluaran_terminal() holds.
void bersihkan_terminal();

// From the shared part: hands teks, then an end of line when baris is set, to standard output;
// a write that fails ends the run with status 1.
void kirim(std::string_view teks, bool baris);
