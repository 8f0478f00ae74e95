# Warnings and sanitizers are set per target, so that third-party code built in
# the same tree keeps its own flags.
function(vostrel_target target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /utf-8 $<$<BOOL:${VOSTREL_WERROR}>:/WX>)
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                               $<$<BOOL:${VOSTREL_WERROR}>:-Werror>)
    endif()
    if(VOSTREL_SANITIZE)
        set(flags -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
        target_compile_options(${target} PRIVATE ${flags})
        target_link_options(${target} PRIVATE ${flags})
    endif()
endfunction()
