// Console services for the dialogue and the conversions: waiting for an answer and reading it
// byte by byte, writing a line, clearing the screen, the wrong-answer report, a random number
// and ending the process. Every write goes to standard output at once, a line or a prompt in one
// piece; a write that fails ends the run with status 1 and a line on standard error.
#pragma once

#include <cstdint>
#include <string_view>

// Readies the console, before any other service is used: standard output unbuffered, and a
// reader with nothing read yet. A reader that goes away ends the run quietly by SIGPIPE, as
// it ends any filter, whatever the parent ignored.
void siapkan_konsol();

// Writes prompt and waits for the next answer, which the reader then has next. Blanks and
// empty lines are skipped. At end of input, or when standard input fails for good, it writes
// one end of line and ends the run with status 0 instead.
void tunggu_jawaban(std::string_view prompt);

// What lihat_masukan gives at the end of input; after that it never waits again.
inline constexpr int akhir_masukan = -1;

// The next byte of standard input (0 to 255), not yet taken, or akhir_masukan. Waits for
// input when none is at hand; memory stays the same however long the input.
int lihat_masukan();

// Takes the byte that lihat_masukan shows.
void ambil_masukan();

// Takes the rest of the line where the answer starts, up to its line end or the end of input,
// handing each byte to baca, then takes the line end: a line of any length in the same memory.
template <class Baca> void baca_sisa_baris(Baca &&baca) {
    for (int c = lihat_masukan(); c != akhir_masukan && c != '\n'; c = lihat_masukan()) {
        baca(c);
        ambil_masukan();
    }
    ambil_masukan();
}

// Whitespace as formatted extraction knows it in the C locale: it ends every answer.
inline bool spasi(int c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Takes the first byte of the next answer to prompt, as tunggu_jawaban waits for it.
char baca_huruf(std::string_view prompt);

// Writes teks and an end of line.
void tulis_baris(std::string_view teks = {});

// Writes teks with no end of line.
void tulis_teks(std::string_view teks);

// While ya, every &, < and > written goes out as &amp;, &lt; and &gt;, as text in HTML is
// written. Off at start.
void tulis_html(bool ya);

// The next line written is left out if it is empty.
void lewati_baris_kosong();

// Writes teks, then tambahan, and an end of line to standard error as one line of at most 255
// bytes. A failure there is not reported: there is nowhere left to report it.
void tulis_galat(std::string_view teks, std::string_view tambahan = {});

// Clears a terminal screen and its scrollback, or a Windows console's whole screen buffer as
// cls does; clears nothing when standard output is a pipe, a file or another device.
void bersihkan_layar();

// Answers a wrong answer: clears the screen, writes the error message and an empty line.
void lapor_salah();

// A random number from the system's generator; where that fails, one made from the clock and
// the process id, so that two runs started in the same second still differ.
std::uint64_t bilangan_acak();

// Ends the process at once with status; nothing more is written or flushed.
[[noreturn]] void akhiri_proses(int status);
