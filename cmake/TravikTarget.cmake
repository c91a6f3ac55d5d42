# Every target of the project gets its settings through this function, so nothing is set globally.
function(travik_target target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -ffp-contract=off)
  if(TRAVIK_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  if(TRAVIK_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
