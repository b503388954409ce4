#pragma once
// Standard output and error carry UTF-8 (JSON, French texts). A Windows
// console shows its own code page unless told otherwise.

namespace kalder {

void console_utf8();

// Output into a pipe whose reader has gone fails as an error the program
// reports, instead of ending it by a signal.
void survivre_tube_ferme();

} // namespace kalder
