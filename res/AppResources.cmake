# The program's dialog template 101, its version resource and its manifest.
# Linking app_resources puts them into the module and gives <res/ControlIds.h>
# (through the source root) to the C++ code.
if(WIN32)
  add_library(app_resources OBJECT MainDialog.rc OverviewDialog.rc CompareDialog.rc AboutDialog.rc
                                   Version.rc Manifest.rc)
  target_include_directories(app_resources PRIVATE ${CMAKE_CURRENT_SOURCE_DIR} ${PELL_GENERATED_DIR}
                                           INTERFACE ${CMAKE_SOURCE_DIR})
  set_source_files_properties(Manifest.rc PROPERTIES
                              OBJECT_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/Program.manifest)
  # Texts the code shows too come from the text table.
  set_source_files_properties(MainDialog.rc Version.rc PROPERTIES OBJECT_DEPENDS ${PELL_RESOURCE_TEXT})
  add_dependencies(app_resources resource_text_header)
endif()
