#pragma once
// The program's arguments as UTF-8. Windows hands the narrow argv over in the
// ANSI code page, where a typed "Łucja" is already lost; the wide command
// line keeps every character.

#include <string>
#include <vector>

namespace kalder {

// Every argument, the program's own name first.
std::vector<std::string> arguments_utf8(int argc, char** argv);

} // namespace kalder
