# Every target of the project gets its settings through this function, so nothing is set globally.
# The options are written for GCC and Clang (Linux, MinGW) and for MSVC, the two ways to build for Windows.
function(travik_target target)
  set(msvc "$<CXX_COMPILER_ID:MSVC>")
  set(gcc_or_clang "$<CXX_COMPILER_ID:GNU,Clang,AppleClang>")
  # Floating point stays exactly as written: a fused multiply-add skips the rounding of the product, which
  # changes the last bit of results that are then rounded to whole pixels, moving pressed events and caption
  # positions by a pixel. GCC and Clang may fuse wherever the processor has the instruction, so they are told
  # not to; MSVC's /fp:precise does not fuse (from Visual Studio 2022 on).
  target_compile_options(${target} PRIVATE
    "$<${gcc_or_clang}:-Wall;-Wextra;-Wpedantic;-ffp-contract=off>"
    "$<${msvc}:/W4;/permissive-;/utf-8;/fp:precise>")
  set_target_properties(${target} PROPERTIES COMPILE_WARNING_AS_ERROR ${TRAVIK_WERROR})
  if(TRAVIK_SANITIZE)
    target_compile_options(${target} PRIVATE
      "$<${gcc_or_clang}:-fsanitize=address,undefined;-fno-sanitize-recover=all;-fno-omit-frame-pointer>")
    target_link_options(${target} PRIVATE "$<${gcc_or_clang}:-fsanitize=address,undefined>")
  endif()
endfunction()
