// The console's platform part for tests and fuzz targets: standard input is text given
// beforehand, handed over a few bytes per read so that answers cross the reader's refills;
// standard output and standard error are kept in memory; output is never a terminal.
#pragma once

#include <string>
#include <string_view>

// Starts a run whose standard input is input: the console readied, nothing written yet.
void start_console(std::string_view input);

// What has been written to standard output, and to standard error, since start_console.
const std::string &console_output();
const std::string &console_errors();
