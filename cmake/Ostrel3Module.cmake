# ostrel3_add_operator_module(<target> <output name> LINK <libs>...)
# Builds a plug-in module the way the host loads it: no "lib" prefix, every
# symbol hidden but the one entry point the host looks up.
function(ostrel3_add_operator_module target output_name)
  cmake_parse_arguments(ARG "" "" "LINK" ${ARGN})
  add_library(${target} MODULE ${PROJECT_SOURCE_DIR}/src/ostrel3/shell/module_anchor.cpp)
  set_target_properties(${target} PROPERTIES
    PREFIX ""
    OUTPUT_NAME ${output_name}
    CXX_VISIBILITY_PRESET hidden
    VISIBILITY_INLINES_HIDDEN ON)
  target_link_libraries(${target} PRIVATE ${ARG_LINK})
  target_link_options(${target} PRIVATE
    "-Wl,--version-script=${PROJECT_SOURCE_DIR}/src/ostrel3/shell/exports.map")
  set_property(TARGET ${target} APPEND PROPERTY LINK_DEPENDS ${PROJECT_SOURCE_DIR}/src/ostrel3/shell/exports.map)
endfunction()
