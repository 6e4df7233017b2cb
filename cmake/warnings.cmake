# Warnings are errors for our own code; windres must not see C++ options.
function(launcher_warnings target)
    target_compile_options(${target} PRIVATE
        $<$<COMPILE_LANGUAGE:CXX>:-Wall -Wextra -Werror -Wshadow -Wconversion -Wsign-conversion>)
endfunction()
