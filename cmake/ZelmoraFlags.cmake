# One interface target carries the flags every target shares.
add_library(zelmora_flags INTERFACE)
target_compile_options(zelmora_flags INTERFACE
  -Wall -Wextra -Werror -Wnon-virtual-dtor -Wno-missing-field-initializers
  # GCC 12 reports false restrict overlaps inside std::string at -O3.
  -Wno-restrict)
target_compile_definitions(zelmora_flags INTERFACE
  ZELMORA_VERSION="${PROJECT_VERSION}"
  QT_NO_CAST_FROM_ASCII QT_NO_CONTEXTLESS_CONNECT)
target_include_directories(zelmora_flags INTERFACE ${CMAKE_SOURCE_DIR}/src)

if(ZELMORA_SANITIZE)
  target_compile_options(zelmora_flags INTERFACE
    -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  # Debian's g++ links --as-needed unless a sanitizer is on; keep it on, so
  # the sanitized binaries need the same libraries as the normal ones.
  target_link_options(zelmora_flags INTERFACE -fsanitize=address,undefined -Wl,--as-needed)
endif()

# Every library is instrumented for libFuzzer; only the fuzz targets link its
# driver (-fsanitize=fuzzer), so the libraries stay usable by any program.
if(ZELMORA_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "ZELMORA_FUZZ needs clang (CC=clang CXX=clang++)")
  endif()
  target_compile_options(zelmora_flags INTERFACE
    -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined -Wno-unknown-warning-option)
  target_link_options(zelmora_flags INTERFACE -fsanitize=address,undefined)
endif()
