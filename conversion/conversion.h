// The boundary between the menu loop and the conversions: the four entry routines and the
// three printers they call.
#pragma once

// Entry routines, one per menu choice. Each prompts until it gets a numeral in its base,
// writes that value in the other bases, one result line each, and returns.
void dari_desimal();
void dari_biner();
void dari_oktal();
void dari_heksadesimal();

// Whether each conversion also writes its working after its result lines: the weighting of
// the digits typed, and the divisions that give each other base. Off at start.
void tampilkan_langkah(bool ya);

// Printers: each writes one labelled result line with n's 32-bit pattern in its base,
// most significant digit first, so a negative n shows its two's complement.
void ke_biner(int n);
void ke_oktal(int n);
void ke_heksadesimal(int n);
