# Applies OSTREL3_SANITIZE to every target of the tree.
if(OSTREL3_SANITIZE)
  string(REPLACE "," ";" _ostrel3_sanitizers "${OSTREL3_SANITIZE}")
  foreach(_s IN LISTS _ostrel3_sanitizers)
    if(NOT _s MATCHES "^(address|undefined|thread)$")
      message(FATAL_ERROR "Unknown sanitizer '${_s}' in OSTREL3_SANITIZE")
    endif()
  endforeach()
  add_compile_options(-fsanitize=${OSTREL3_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${OSTREL3_SANITIZE})
  # Line tables are all a sanitizer report needs for its stacks; full debug
  # information would make these builds, run on every test, much slower.
  add_compile_options(-g1)
endif()
