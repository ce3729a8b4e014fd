# One interface target carries the language standard, warnings and sanitizers for every target.
add_library(rac_common_cfg INTERFACE)
target_compile_features(rac_common_cfg INTERFACE cxx_std_20)
set(CMAKE_CXX_EXTENSIONS OFF)

target_compile_options(rac_common_cfg INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Wnon-virtual-dtor
  -Wold-style-cast -Woverloaded-virtual -Wnull-dereference)
# GCC 12 reports a false -Wrestrict inside std::string at -O3 (a known compiler bug).
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(rac_common_cfg INTERFACE -Wno-restrict)
endif()
if(RAC_WARNINGS_AS_ERRORS)
  target_compile_options(rac_common_cfg INTERFACE -Werror)
endif()

if(RAC_SANITIZE)
  target_compile_options(rac_common_cfg INTERFACE
    -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(rac_common_cfg INTERFACE -fsanitize=address,undefined)
endif()
