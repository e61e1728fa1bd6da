// Console services for the dialogue and the conversions: waiting for an answer, writing a line,
// clearing the screen, the wrong-answer report and ending the process. Every write goes to
// standard output at once, a line or a prompt in one piece; a write that fails ends the run
// with status 1 and a line on standard error.
#pragma once

#include <iosfwd>
#include <string_view>

// Readies the standard streams, once, before any other service is used. Standard output gets
// no buffer, so each line and prompt is written as it is made. Standard input keeps a buffer
// of its own and is not tied to output: the waits write what must be seen. A reader that goes
// away ends the run quietly by SIGPIPE, as it ends any filter, whatever the parent ignored.
void siapkan_konsol();

// Writes prompt, waits for the next answer and returns standard input with the answer's first
// byte next. Blanks and empty lines are skipped. At end of input, or when standard input fails
// for good, it writes one end of line and ends the run with status 0 instead.
std::istream &tunggu_jawaban(std::string_view prompt);

// Takes the first byte of the next answer to prompt, as tunggu_jawaban waits for it.
char baca_huruf(std::string_view prompt);

// Writes teks and an end of line.
void tulis_baris(std::string_view teks = {});

// Clears a terminal screen and its scrollback, or a Windows console's whole screen buffer as
// cls does; clears nothing when standard output is a pipe, a file or another device.
void bersihkan_layar();

// Answers a wrong answer: clears the screen, writes the error message and an empty line.
void lapor_salah();

// Ends the process at once with status; nothing more is written or flushed.
[[noreturn]] void akhiri_proses(int status);
