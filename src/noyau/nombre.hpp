#pragma once

#include <cstdint>

namespace kalder {

// Numbers are carried in 64 bits so that the sums of long names or large
// years never overflow.
using Nombre = std::int64_t;

} // namespace kalder
