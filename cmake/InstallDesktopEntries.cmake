# Run at install time: writes the desktop entry and the file manager's service
# menu with the program's installed path, so that an install to any prefix
# points at its own program. Expects ZENTROPE_TEMPLATES (the source folder of
# the templates), ZENTROPE_STAGE (a scratch folder) and ZENTROPE_BINDIR.
set(exe "${CMAKE_INSTALL_PREFIX}/${ZENTROPE_BINDIR}/zentrope")
# Quoted as the freedesktop desktop-entry standard asks when the path holds a
# reserved character; the quoting's backslashes are doubled once more by the
# file's own string escapes.
string(REPLACE "%" "%%" exe "${exe}")
if(exe MATCHES "[] \t\"'\\\\><~|&;$*?#()`[]")
  string(REPLACE "\\" "\\\\\\\\" exe "${exe}")
  string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" exe "${exe}")
  set(exe "\"${exe}\"")
endif()
set(ZENTROPE_EXEC "${exe}")
configure_file("${ZENTROPE_TEMPLATES}/zentrope.desktop.in" "${ZENTROPE_STAGE}/applications/zentrope.desktop" @ONLY)
configure_file("${ZENTROPE_TEMPLATES}/zentrope-servicemenu.desktop.in"
               "${ZENTROPE_STAGE}/servicemenu/zentrope.desktop" @ONLY)
file(INSTALL "${ZENTROPE_STAGE}/applications/zentrope.desktop"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/${ZENTROPE_DATADIR}/applications")
file(INSTALL "${ZENTROPE_STAGE}/servicemenu/zentrope.desktop"
     DESTINATION "${CMAKE_INSTALL_PREFIX}/${ZENTROPE_DATADIR}/kio/servicemenus")
