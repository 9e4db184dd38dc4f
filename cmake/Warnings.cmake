# Warnings are errors in our own code; Qt's headers are system headers and stay quiet.
function(pe_set_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
    -Wcast-align -Wformat=2 -Werror)
endfunction()
