# Warnings and sanitizers, applied per target so third-party code stays untouched.
function(morvane_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(MORVANE_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()
