# One interface target carries the warning set every Kalder target is built with.
add_library(kalder_options INTERFACE)
target_compile_features(kalder_options INTERFACE cxx_std_20)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    target_compile_options(kalder_options INTERFACE -Wall -Wextra -Wshadow -Wpedantic
                                                    $<$<BOOL:${KALDER_WERROR}>:-Werror>)
    # GCC 12 reports impossible overlaps in inlined std::string concatenation
    # (a known false positive of its restrict analysis at -O2).
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
        target_compile_options(kalder_options INTERFACE -Wno-restrict)
    endif()
elseif(MSVC)
    target_compile_options(kalder_options INTERFACE /W4 /utf-8 $<$<BOOL:${KALDER_WERROR}>:/WX>)
endif()
