// Start-up baseline: the least C++ program that writes the same banner and first prompt,
// each line flushed as the dialogue flushes it.
#include <iostream>

int main() {
    const char *const lines[] = {
        "Program Tavirel",
        "=============================================",
        "A = Desimal ke Biner, Oktal, Heksadesimal ",
        "B = Biner ke Desimal, Oktal, Heksadesimal ",
        "C = Oktal ke Desimal, Biner, Heksadesimal ",
        "D = Heksadesimal ke Desimal, Biner, Oktal ",
        "=============================================",
        "",
    };
    for (const char *line : lines) {
        std::cout << line << std::endl;
    }
    std::cout << "Masukkan Pilihan : " << std::flush;
    char answer = 0;
    std::cin >> answer;
}
