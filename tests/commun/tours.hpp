#pragma once
// How many random cases a loop runs. The release build runs them all; the
// sanitizer build, which checks memory use rather than results and runs many
// times slower, a tenth of them.

namespace essai {

#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool sous_sanitiseurs = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool sous_sanitiseurs = true;
#else
inline constexpr bool sous_sanitiseurs = false;
#endif
#else
inline constexpr bool sous_sanitiseurs = false;
#endif

constexpr int tours(int en_release) {
    return sous_sanitiseurs ? en_release / 10 : en_release;
}

} // namespace essai
