# Warnings are errors in our own code; Qt's headers are system headers and stay quiet.
function(pe_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wformat=2 -Werror)
  # Qt's logging macros are called without variadic arguments (qCWarning(category)).
  if(CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    target_compile_options(${target} PRIVATE -Wno-gnu-zero-variadic-macro-arguments)
  endif()
endfunction()
