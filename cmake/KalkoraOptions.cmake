# Compiler settings shared by every target of the project.

# Warnings are errors in the project's own code (not in the Qt or GoogleTest headers,
# which are included as system headers).
add_library(kalkora_warnings INTERFACE)
target_compile_options(kalkora_warnings INTERFACE -Wall -Wextra -Wpedantic -Werror)
# gcc 12 at -O3 reports overlapping copies inside std::basic_string when a literal is assigned
# or appended to a string (gcc bug 105329: a false -Wrestrict from its own headers). The check
# stays a warning there; clang, which builds the tests, keeps every warning an error.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(kalkora_warnings INTERFACE -Wno-restrict)
endif()

add_library(kalkora_sanitizers INTERFACE)
if(KALKORA_SANITIZE)
  set(_kalkora_san -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_compile_options(kalkora_sanitizers INTERFACE ${_kalkora_san})
  target_link_options(kalkora_sanitizers INTERFACE ${_kalkora_san})
  # With clang the sanitizer build also instruments the code for coverage-guided fuzzing,
  # so that the fuzz targets in fuzz/ link against the same libraries as the tests.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    set(KALKORA_FUZZING ON)
    target_compile_options(kalkora_sanitizers INTERFACE -fsanitize=fuzzer-no-link)
  endif()
endif()

# Every target of the project links this one.
add_library(kalkora_project_options INTERFACE)
target_link_libraries(kalkora_project_options INTERFACE kalkora_warnings kalkora_sanitizers)
