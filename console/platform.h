// What each platform gives the console services: reading standard input, writing standard
// output and standard error, telling whether output is a terminal or console, clearing that
// screen, and random bytes. Each platform's part is a file of its own (unix.cpp, windows.cpp,
// web.cpp), chosen by the build. For console/ alone.
#pragma once

#include <cstddef>
#include <cstdint>
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

// Fills ruang with panjang bytes from the system's generator of random numbers; false when it
// cannot.
bool isi_acak(void *ruang, std::size_t panjang);

// A number that differs from one run to the next, for where that generator fails: the clock,
// mixed with the process id where there is one, which sets apart two runs started at once.
std::uint64_t jam_dan_proses();

// From the shared part: hands teks, then an end of line when baris is set, to standard output;
// a write that fails ends the run with status 1.
void kirim(std::string_view teks, bool baris);
