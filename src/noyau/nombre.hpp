#pragma once

#include <cstdint>

namespace kalder {

// Numbers are carried wider than the historical 16-bit fields so that long
// names or large years never overflow.
using Nombre = std::int64_t;

} // namespace kalder
