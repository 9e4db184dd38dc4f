# pe_add_editor_component(<target> ALIAS <alias> SOURCES <files...> LINKS <targets...>)
# One component of the editor: an object library whose objects go into the
# module and, directly, into the tests. Compiled with hidden visibility: the
# module exports only its entry points.
function(pe_add_editor_component target)
  cmake_parse_arguments(C "" "ALIAS" "SOURCES;LINKS" ${ARGN})
  add_library(${target} OBJECT ${C_SOURCES})
  add_library(${C_ALIAS} ALIAS ${target})
  target_link_libraries(${target} PUBLIC ${C_LINKS})
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  pe_set_warnings(${target})
endfunction()
