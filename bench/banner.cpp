// Start-up baseline: the least C++ program that writes the same banner and first prompt,
// each line flushed as the dialogue flushes it, and then awaits the answer.
#include "../dialogue/texts.h"

#include <iostream>

int main() {
    for (const std::string_view line : teks_menu) {
        std::cout << line << std::endl;
    }
    std::cout << teks_prompt_pilihan << std::flush;
    char answer = 0;
    std::cin >> answer;
}
