# The program's translations. lrelease compiles translations/zentrope_<lang>.ts
# into .qm files, which are embedded in the zentrope_shell library under
# :/zentrope/translations; a new .ts file in that folder is a new language.
# The target translations_update refreshes the .ts files from the sources
# (scripts/update-translations.sh, which needs no build). Debian packages
# Qt's lupdate and lrelease (qt6-l10n-tools) without their CMake package,
# so they are run here directly.
find_program(ZENTROPE_LRELEASE NAMES lrelease-qt6 lrelease
  HINTS "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}" /usr/lib/qt6/bin
  DOC "Qt 6's lrelease (Debian: qt6-l10n-tools)" REQUIRED)

file(GLOB ZENTROPE_TS_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/translations/zentrope_*.ts)
set(_dir ${PROJECT_BINARY_DIR}/translations)
set(_qm_files)
set(_qrc "<RCC>\n  <qresource prefix=\"/zentrope/translations\">\n")
foreach(ts ${ZENTROPE_TS_FILES})
  get_filename_component(name ${ts} NAME_WE)
  add_custom_command(OUTPUT ${_dir}/${name}.qm
    COMMAND ${ZENTROPE_LRELEASE} -silent ${ts} -qm ${_dir}/${name}.qm
    DEPENDS ${ts}
    COMMENT "Compiling the translation ${name}"
    VERBATIM)
  list(APPEND _qm_files ${_dir}/${name}.qm)
  string(APPEND _qrc "    <file>${name}.qm</file>\n")
endforeach()
string(APPEND _qrc "  </qresource>\n</RCC>\n")
file(CONFIGURE OUTPUT ${_dir}/translations.qrc CONTENT "${_qrc}")

# rcc run here rather than by AUTORCC, which cannot wait for the .qm files.
add_custom_command(OUTPUT ${_dir}/qrc_translations.cpp
  COMMAND Qt6::rcc --name zentrope_translations --output ${_dir}/qrc_translations.cpp ${_dir}/translations.qrc
  DEPENDS ${_qm_files} ${_dir}/translations.qrc
  WORKING_DIRECTORY ${_dir}
  COMMENT "Embedding the translations"
  VERBATIM)
set_source_files_properties(${_dir}/qrc_translations.cpp PROPERTIES SKIP_AUTOGEN ON)
target_sources(zentrope_shell PRIVATE ${_dir}/qrc_translations.cpp)

add_custom_target(translations_update
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/update-translations.sh
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  COMMENT "Updating translations/*.ts from the sources"
  VERBATIM)
