# Warnings and sanitizers, applied per target so third-party code stays untouched.
function(morvane_settings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(MORVANE_SANITIZE)
    # float-cast-overflow is not part of "undefined": a real too large for the
    # integer it is converted to.
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow
                                             -fno-omit-frame-pointer
                                             -fno-sanitize-recover=undefined,float-cast-overflow)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined,float-cast-overflow)
  endif()
endfunction()
