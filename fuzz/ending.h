#pragma once

// Thrown where the program would end its process.
struct Akhir {
    int status;
};
