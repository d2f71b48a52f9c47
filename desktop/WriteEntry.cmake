# Runs at install time: writes the menu entry with the installed program's absolute path, which
# holds for --prefix and DESTDIR alike (DESTDIR is where the files are staged, not where they run).
# Exec wants the path in double quotes, with \ " ` $ escaped by a backslash, and every backslash of
# that doubled once more, as in any value of the file.
cmake_path(ABSOLUTE_PATH CMAKE_INSTALL_PREFIX NORMALIZE OUTPUT_VARIABLE prefix)
cmake_path(APPEND prefix "${QZ_PROGRAM}" OUTPUT_VARIABLE program)
string(REPLACE "\\" "\\\\\\\\" program "${program}")
foreach(reserved "\"" "`" "$")
    string(REPLACE "${reserved}" "\\\\${reserved}" program "${program}")
endforeach()
string(REPLACE "%" "%%" program "${program}")
set(QZ_EXEC "\"${program}\"")
configure_file("${QZ_ENTRY_TEMPLATE}" "${QZ_ENTRY}" @ONLY)
