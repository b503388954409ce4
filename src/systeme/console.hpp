#pragma once
// Standard output and error carry UTF-8 (JSON, French texts). A Windows
// console shows its own code page unless told otherwise.

namespace kalder {

void console_utf8();

} // namespace kalder
