# Strict warnings for the project's own targets only (never for third-party code).
function(morella_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror
                         -Wshadow -Wnon-virtual-dtor -Wold-style-cast -Wcast-align
                         -Woverloaded-virtual -Wimplicit-fallthrough)
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC 12 reports false -Wrestrict/-Warray-bounds on std::string at -O3 (GCC bug 105329).
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-array-bounds -Wno-stringop-overflow)
  endif()
endfunction()
