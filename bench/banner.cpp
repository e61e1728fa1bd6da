// Start-up baseline: the least program that writes the same banner and first prompt, one
// write per line as the dialogue writes them, and then awaits the answer.
#include "../dialogue/texts.h"

#include <algorithm>

#include <unistd.h>

int main() {
    for (const std::string_view line : teks_menu) {
        char piece[64];
        std::copy(line.begin(), line.end(), piece);
        piece[line.size()] = '\n';
        if (write(STDOUT_FILENO, piece, line.size() + 1) < 0) {
            return 1;
        }
    }
    if (write(STDOUT_FILENO, teks_prompt_pilihan.data(), teks_prompt_pilihan.size()) < 0) {
        return 1;
    }
    char answer = 0;
    return read(STDIN_FILENO, &answer, 1) < 0 ? 1 : 0;
}
