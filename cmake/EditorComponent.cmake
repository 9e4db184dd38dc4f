# pe_add_editor_component(<target> [STATIC] ALIAS <alias> SOURCES <files...> LINKS <targets...>)
# One component of the editor: an object library whose objects go into the
# module and, directly, into the tests; STATIC makes it a static library, for
# pieces that several components link. Compiled with hidden visibility: the
# module exports only its entry points.
function(pe_add_editor_component target)
  cmake_parse_arguments(C "STATIC" "ALIAS" "SOURCES;LINKS" ${ARGN})
  set(type OBJECT)
  if(C_STATIC)
    set(type STATIC)
  endif()
  add_library(${target} ${type} ${C_SOURCES})
  add_library(${C_ALIAS} ALIAS ${target})
  target_link_libraries(${target} PUBLIC ${C_LINKS})
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  pe_set_warnings(${target})
endfunction()
