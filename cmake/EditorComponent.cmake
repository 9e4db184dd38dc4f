# pe_expose_headers(<target> <PUBLIC|INTERFACE> <paths...>)
# A target's include root holds only the folders or files it names, linked from
# the source tree under their own paths ("platform/core/cstring.h"). A target
# sees the headers of what it links and nothing else, so an include across a
# missing link fails to compile.
function(pe_expose_headers target scope)
  set(root ${CMAKE_BINARY_DIR}/include/${target})
  foreach(path ${ARGN})
    get_filename_component(parent ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    if(NOT IS_SYMLINK ${root}/${path})
      file(CREATE_LINK ${PE_SOURCE_ROOT}/${path} ${root}/${path} SYMBOLIC)
    endif()
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()

# pe_add_editor_component(<target> [STATIC] ALIAS <alias> HEADERS <paths...>
#                         SOURCES <files...> LINKS <targets...>)
# One component of the editor: an object library whose objects go into the
# module and, directly, into the tests; STATIC makes it a static library, for
# pieces that several components link. Compiled with hidden visibility: the
# module exports only its entry points. HEADERS are the folders it offers to
# the components that link it.
function(pe_add_editor_component target)
  cmake_parse_arguments(C "STATIC" "ALIAS" "HEADERS;SOURCES;LINKS" ${ARGN})
  set(type OBJECT)
  if(C_STATIC)
    set(type STATIC)
  endif()
  add_library(${target} ${type} ${C_SOURCES})
  add_library(${C_ALIAS} ALIAS ${target})
  pe_expose_headers(${target} PUBLIC ${C_HEADERS})
  target_link_libraries(${target} PUBLIC ${C_LINKS})
  set_target_properties(${target} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  pe_set_warnings(${target})
endfunction()
