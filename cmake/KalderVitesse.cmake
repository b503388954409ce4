# What keeps a build from scratch short (CI builds the project three times).
#
# Precompiled headers for the targets that include Qt's or GoogleTest's large
# headers, except those clang-tidy reads (the engine and the document
# library): clang cannot read GCC's precompiled headers. Left off when a
# compiler launcher (ccache) is set: a cached build gains little from them,
# and the launcher would stop caching.
if(CMAKE_CXX_COMPILER_LAUNCHER)
    set(kalder_pch_defaut OFF)
else()
    set(kalder_pch_defaut ON)
endif()
option(KALDER_PCH "Precompile the Qt and GoogleTest headers" ${kalder_pch_defaut})

# kalder_en_tetes_precompiles(<target> <header>...): <target> compiles the
# headers once for its own files; other targets take them with
# kalder_reprendre_en_tetes.
function(kalder_en_tetes_precompiles cible)
    if(KALDER_PCH)
        target_precompile_headers(${cible} PRIVATE ${ARGN})
    endif()
endfunction()

# kalder_reprendre_en_tetes(<target> <from>): <target>, built with the same
# flags as <from>, reuses <from>'s precompiled headers.
function(kalder_reprendre_en_tetes cible depuis)
    if(KALDER_PCH)
        target_precompile_headers(${cible} REUSE_FROM ${depuis})
    endif()
endfunction()

# kalder_sans_optimisation(<target>): the window tests are compiled without
# optimisation: they are assertion macros and waits for the event loop, long to
# optimise and never busy. The engine tests are not: their loops over random
# persons run several times slower unoptimised.
function(kalder_sans_optimisation cible)
    if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
        target_compile_options(${cible} PRIVATE -O0)
    endif()
endfunction()

# Release code at -O2, as Debian builds its packages: -O3 takes a third longer
# to compile, and the benchmarks under bench/ keep their targets at -O2.
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    string(REPLACE "-O3" "-O2" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
endif()
