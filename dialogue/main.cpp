#include "menu.h"

#include <csignal>
#include <iostream>

int main() {
    // Buffers of their own, not tied: output is flushed exactly where the dialogue needs it, at
    // each end of line and before each answer is awaited, not before every byte read.
    std::ios::sync_with_stdio(false);
    std::cin.tie(nullptr);
#ifdef SIGPIPE
    // A reader that goes away ends the program quietly, whatever the parent ignored.
    std::signal(SIGPIPE, SIG_DFL);
#endif
    menu_utama();
}
