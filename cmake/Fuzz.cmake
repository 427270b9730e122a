# A fuzz build (TALLYX_FUZZ=ON, clang only) instruments the core as well as the
# fuzz targets: libFuzzer then sees the branches inside the code it drives, and
# the sanitizers check that code. Every sanitizer report stops the run.
set(TALLYX_FUZZ_SANITIZERS address,undefined)

if(TALLYX_FUZZ AND NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "A fuzz build needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()

# The core: coverage hooks without libFuzzer's own main; whatever links it
# links the sanitizer runtimes.
function(tallyx_fuzz_instrumented target)
  if(TALLYX_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,${TALLYX_FUZZ_SANITIZERS}
                                             -fno-sanitize-recover=all -fno-omit-frame-pointer)
    target_link_options(${target} INTERFACE -fsanitize=${TALLYX_FUZZ_SANITIZERS})
  endif()
endfunction()

# A fuzz target: libFuzzer's main drives it.
function(tallyx_fuzzer target)
  target_compile_options(${target} PRIVATE -fsanitize=fuzzer,${TALLYX_FUZZ_SANITIZERS}
                                           -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(${target} PRIVATE -fsanitize=fuzzer,${TALLYX_FUZZ_SANITIZERS})
endfunction()
