# SPDX-License-Identifier: GPL-3.0-or-later
# Included by the top-level project: builds fuzz/ with clang beside the main build and runs every
# target for FUZZ_SECONDS as a test, from its committed seeds.
include(ExternalProject)

find_program(FUZZ_CLANG clang++ REQUIRED)
set(FUZZ_SECONDS 30 CACHE STRING "How long each fuzz target runs as a test")
set(fuzz_build ${CMAKE_CURRENT_BINARY_DIR}/fuzz)

ExternalProject_Add(fuzz_targets
    SOURCE_DIR ${PROJECT_SOURCE_DIR}/fuzz
    BINARY_DIR ${fuzz_build}
    CMAKE_ARGS -DCMAKE_CXX_COMPILER=${FUZZ_CLANG}
    INSTALL_COMMAND ""
    BUILD_ALWAYS ON)

foreach(target roster_reader help_file bitmap_check brain_session)
  # New inputs go to the build tree; the committed seeds are only read.
  set(work ${fuzz_build}/runs/${target})
  file(MAKE_DIRECTORY ${work}/corpus ${work}/artifacts)
  add_test(NAME fuzz_${target}
           COMMAND ${fuzz_build}/${target}_fuzz -max_total_time=${FUZZ_SECONDS} -timeout=10 -print_final_stats=1
                   -artifact_prefix=${work}/artifacts/ ${work}/corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/${target})
  set_tests_properties(fuzz_${target} PROPERTIES TIMEOUT 300 LABELS fuzz ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endforeach()
