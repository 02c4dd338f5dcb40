# Compiler warnings and sanitizers for the program's own targets.
function(merestone_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic $<$<CXX_COMPILER_ID:GNU>:-Wshadow=local>)
    if(MERESTONE_WERROR)
        target_compile_options(${target} PRIVATE -Werror)
    endif()
endfunction()

if(MERESTONE_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined)
endif()

if(MERESTONE_FUZZ)
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
