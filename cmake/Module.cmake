# The editor is built twice from the same object files: as the loadable module
# libprofileeditor.so, and directly into the test executables (which need every
# object, load-time registrations included, so they link the objects, not a
# static archive).
set(PE_EDITOR_OBJECT_LIBRARIES pehostentry pehostframe peview peresources pecontrols pemodel)

function(pe_link_editor target)
  target_link_libraries(${target} PRIVATE ${PE_EDITOR_OBJECT_LIBRARIES} pe::hostlib pe::platform)
endfunction()

add_library(profileeditor MODULE)
pe_link_editor(profileeditor)
set_target_properties(profileeditor PROPERTIES
  PREFIX "lib"
  LINK_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/host/entry/exports.map)
# The export list is exact: KDInitDll and the two CSUGeneralUtil operators.
target_link_options(profileeditor PRIVATE
  -Wl,--version-script=${CMAKE_CURRENT_SOURCE_DIR}/host/entry/exports.map -Wl,--no-undefined)
