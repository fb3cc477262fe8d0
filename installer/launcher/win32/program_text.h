// How the medium's small programs (setup, movexe) speak: help text to standard output, problems
// in a box, or on standard error when nobody watches.
#pragma once

#include <string>

namespace aw {

// Writes `text` to standard output, or shows it in a box when there is none (a program started
// from the desktop).
void ShowText(const std::string& text, const char* title);

// A box that waits for OK, or, unattended, one line "<title>: <message>" on standard error.
void ReportProblem(const std::string& message, const char* title, bool unattended);

}  // namespace aw
