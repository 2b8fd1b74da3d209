# The user manual in the program's other languages. scripts/help-translations.sh
# (po4a) writes each page translated by po/help/<lang>.po from the English page
# in assets/help; the pages are embedded in the zentrope_platform library under
# :/zentrope/help/<lang>/, beside the English ones. A new .po file in po/help
# is a new language of the manual. Made at build time, so that the translated
# pages always follow the English ones: a paragraph changed in English and not
# yet translated shows in English rather than as an outdated translation.
find_program(ZENTROPE_PO4A NAMES po4a DOC "po4a, which translates the manual's pages (Debian: po4a)" REQUIRED)

file(GLOB ZENTROPE_HELP_PO_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/po/help/*.po)
# The pages are those of the English manual's resource file.
file(STRINGS ${PROJECT_SOURCE_DIR}/assets/help.qrc _lines REGEX "<file>help/[^<]*\\.html</file>")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/assets/help.qrc)
set(ZENTROPE_HELP_PAGES)
foreach(line ${_lines})
  string(REGEX REPLACE ".*<file>(help/[^<]*)</file>.*" "${PROJECT_SOURCE_DIR}/assets/\\1" page "${line}")
  list(APPEND ZENTROPE_HELP_PAGES ${page})
endforeach()
set(_dir ${PROJECT_BINARY_DIR}/help)
set(_pages)
set(_qrc "<RCC>\n  <qresource prefix=\"/zentrope/help\">\n")
foreach(po ${ZENTROPE_HELP_PO_FILES})
  get_filename_component(lang ${po} NAME_WE)
  foreach(page ${ZENTROPE_HELP_PAGES})
    get_filename_component(name ${page} NAME)
    list(APPEND _pages ${_dir}/${lang}/${name})
    string(APPEND _qrc "    <file>${lang}/${name}</file>\n")
  endforeach()
endforeach()
string(APPEND _qrc "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${_dir}/help_translations.qrc CONTENT "${_qrc}")

add_custom_command(OUTPUT ${_pages}
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/help-translations.sh pages ${_dir}
  DEPENDS ${ZENTROPE_HELP_PO_FILES} ${ZENTROPE_HELP_PAGES} ${PROJECT_SOURCE_DIR}/assets/help.qrc
    ${PROJECT_SOURCE_DIR}/scripts/help-translations.sh
  COMMENT "Translating the manual's pages"
  VERBATIM)
add_custom_command(OUTPUT ${_dir}/qrc_help_translations.cpp
  COMMAND Qt6::rcc --name zentrope_help_translations --output ${_dir}/qrc_help_translations.cpp
    ${_dir}/help_translations.qrc
  DEPENDS ${_pages} ${_dir}/help_translations.qrc
  WORKING_DIRECTORY ${_dir}
  COMMENT "Embedding the translated manual"
  VERBATIM)
set_source_files_properties(${_dir}/qrc_help_translations.cpp PROPERTIES SKIP_AUTOGEN ON)
target_sources(zentrope_platform PRIVATE ${_dir}/qrc_help_translations.cpp)
