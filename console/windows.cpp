#include "platform.h"

#define WIN32_LEAN_AND_MEAN
#include <io.h>
#include <windows.h>

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
