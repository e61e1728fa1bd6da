// The boundary between the menu loop and the conversions: the four entry routines, the three
// printers they call, and the console services both sides share.
#pragma once

#include <iosfwd>
#include <string_view>

// Entry routines, one per menu choice. Each prompts until it gets a numeral in its base,
// writes that value in the other bases, one result line each, and returns.
void dari_desimal();
void dari_biner();
void dari_oktal();
void dari_heksadesimal();

// Printers: each writes one labelled result line with n's 32-bit pattern in its base,
// most significant digit first, so a negative n shows its two's complement.
void ke_biner(int n);
void ke_oktal(int n);
void ke_heksadesimal(int n);

// Console. Every write goes to standard output; a write that fails ends the run with
// status 1 and a line on standard error.

// Waits for the next answer and returns standard input with the answer's first byte next.
// Output is flushed first, so the prompt is visible; blanks and empty lines are skipped. At end
// of input, or when standard input fails for good, it writes one end of line and ends the run
// with status 0 instead.
std::istream &tunggu_jawaban();

// Takes the first byte of the next answer, as tunggu_jawaban waits for it.
char baca_huruf();

// Writes teks and an end of line, and flushes.
void tulis_baris(std::string_view teks = {});

// Clears a terminal screen and its scrollback; writes nothing to a pipe or file.
void bersihkan_layar();

// Answers a wrong answer: clears the screen, writes the error message and an empty line.
void lapor_salah();

// Ends the process at once with status; nothing more is written or flushed.
[[noreturn]] void akhiri_proses(int status);
