#pragma once

#include "lembar.h"

// Writes a Moodle question bank (--moodle), in Moodle XML: a category of its own for the
// sheets of cetakan, then one multiple-choice question for each question of each student's
// sheet, with the sheet's options, but for one whose task an earlier question of the bank
// already asks. Each question's general feedback is its working; each wrong option's feedback
// its reason. Reads nothing.
template <JenisSoal Soal> void tulis_moodle(const Cetakan &cetakan);
