# Compiler settings shared by every target of our own.
#
# vw_target_defaults(<target>) turns on our warnings (errors with VW_WERROR)
# and, when VW_SANITIZE is on, AddressSanitizer and UndefinedBehaviorSanitizer.

option(VW_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(VW_FUZZ "Build the libFuzzer programs of fuzz/ (clang; implies VW_SANITIZE)" OFF)
# Off by default: a packager's or user's build must not fail on a warning a
# newer compiler adds. scripts/test.sh and .ci/run turn it on.
option(VW_WERROR "Treat warnings in our own code as errors" OFF)

if(VW_FUZZ)
    if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
        message(FATAL_ERROR "VW_FUZZ needs clang (libFuzzer): configure with "
                            "-DCMAKE_CXX_COMPILER=clang++ (scripts/fuzz.sh does)")
    endif()
    # Coverage for libFuzzer in every object file; the fuzz programs link the
    # fuzzer's own main (fuzz/CMakeLists.txt).
    add_compile_options(-fsanitize=fuzzer-no-link)
    set(VW_SANITIZE ON)
endif()
if(VW_SANITIZE)
    # Set for the whole tree so that every object file and link agrees.
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

function(vw_target_defaults target)
    target_compile_features(${target} PUBLIC cxx_std_20)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                                             -Wnon-virtual-dtor -Wold-style-cast
                                             -Wcast-align -Woverloaded-virtual
                                             -Wimplicit-fallthrough -Wfloat-conversion)
    if(VW_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()
