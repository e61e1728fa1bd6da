#include "menu.h"

#include "console/console.h"

int main() {
    siapkan_konsol();
    menu_utama();
}
