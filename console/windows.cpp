// rand_s, the C runtime's door to the system's generator, is declared only on request.
#define _CRT_RAND_S
#include "platform.h"

#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <stdlib.h>
#include <windows.h>

#include <algorithm>
#include <cstring>

void siapkan_platform() {}

// Through the C runtime in text mode, as Windows' texts are: CR LF comes in as LF, and Ctrl-Z
// (then Enter, in a console window) ends the input.
long long baca_masukan(char *ruang, std::size_t panjang) {
    return _read(0, ruang, static_cast<unsigned>(panjang));
}

// Through the C runtime in text mode, which ends each line with CR LF as Windows' texts do.
long long tulis_keluaran(const char *teks, std::size_t panjang) {
    return _write(1, teks, static_cast<unsigned>(panjang));
}

long long tulis_galat_platform(const char *teks, std::size_t panjang) {
    return _write(2, teks, static_cast<unsigned>(panjang));
}

// A console, not a file, a pipe or the NUL device (which is a character device too).
bool keluaran_terminal() {
    DWORD mode = 0;
    return GetConsoleMode(GetStdHandle(STD_OUTPUT_HANDLE), &mode) != 0;
}

// Clears as cls does, without starting the command interpreter: the whole screen buffer is
// blanked in its current colours and the cursor goes to the top left. A call that fails ends
// the clearing there; nothing is written in its place.
void bersihkan_terminal() {
    const HANDLE layar = GetStdHandle(STD_OUTPUT_HANDLE);
    CONSOLE_SCREEN_BUFFER_INFO info;
    if (!GetConsoleScreenBufferInfo(layar, &info)) {
        return;
    }
    const DWORD sel = static_cast<DWORD>(info.dwSize.X) * static_cast<DWORD>(info.dwSize.Y);
    const COORD pojok = {0, 0};
    DWORD terisi = 0;
    if (!FillConsoleOutputCharacterA(layar, ' ', sel, pojok, &terisi) ||
        !FillConsoleOutputAttribute(layar, info.wAttributes, sel, pojok, &terisi)) {
        return;
    }
    SetConsoleCursorPosition(layar, pojok);
}

bool isi_acak(void *ruang, std::size_t panjang) {
    auto *tujuan = static_cast<unsigned char *>(ruang);
    while (panjang > 0) {
        unsigned int acak = 0;
        if (rand_s(&acak) != 0) {
            return false;
        }
        const std::size_t n = std::min(panjang, sizeof acak);
        std::memcpy(tujuan, &acak, n);
        tujuan += n;
        panjang -= n;
    }
    return true;
}

// The clock in 100 ns steps; the process id, spread over the bits by a large odd factor.
std::uint64_t jam_dan_proses() {
    FILETIME jam{};
    GetSystemTimeAsFileTime(&jam);
    return (std::uint64_t{jam.dwHighDateTime} << 32 | jam.dwLowDateTime) ^
           std::uint64_t{GetCurrentProcessId()} * 0x9E3779B97F4A7C15U;
}
