# Warnings for the project's own targets, treated as errors. Third-party
# headers (Qt, GoogleTest) come in through imported targets and so count as
# system headers, which keeps their warnings out.
function(dorvanex_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /WX)
  else()
    target_compile_options(${target} PRIVATE
      -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
      -Wconversion -Werror)
  endif()
endfunction()
