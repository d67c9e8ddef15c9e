# the_deb(DIR OUT_VAR): the path of the one .deb in DIR; stops the check when
# there is none or more than one, since each check speaks of one package.
function(the_deb dir out_var)
  file(GLOB debs ${dir}/*.deb)
  list(LENGTH debs count)
  if(NOT count EQUAL 1)
    message(FATAL_ERROR "expected one .deb in ${dir}, found ${count}")
  endif()
  set(${out_var} ${debs} PARENT_SCOPE)
endfunction()
