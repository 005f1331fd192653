# Runs at install time, when CMAKE_INSTALL_PREFIX is the prefix given to
# `cmake --install`: the menu entry starts the program by its full path, so a
# prefix outside PATH works too.
# Inputs: TARNWICK_DESKTOP_TEMPLATE, TARNWICK_DESKTOP_OUTPUT.
set(program "${CMAKE_INSTALL_PREFIX}/bin/tarnwickdemo")
# Exec quoting: \ " ` $ take a backslash inside quotes, and the file's own
# string escaping doubles every backslash once more.
string(REPLACE "\\" "\\\\" program "${program}")
string(REGEX REPLACE "([\"`$])" "\\\\\\1" program "${program}")
string(REPLACE "\\" "\\\\" program "${program}")
set(TARNWICK_DESKTOP_EXEC "\"${program}\"")
configure_file("${TARNWICK_DESKTOP_TEMPLATE}" "${TARNWICK_DESKTOP_OUTPUT}" @ONLY)
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${TARNWICK_DESKTOP_OUTPUT}")
