# Every target of ours builds with these; warnings are errors.
function(tarvelin_warnings target)
  target_compile_options(${target} PRIVATE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion
    -Wnon-virtual-dtor -Wold-style-cast -Wcast-qual -Wformat=2 -Werror)
endfunction()
