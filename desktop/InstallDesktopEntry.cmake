# Runs while installing: writes the menu entry with the installed program's path in
# its Exec line. The variables voltarix_* are set just before, by the install rules.
cmake_path(ABSOLUTE_PATH voltarix_bindir BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE bindir)
cmake_path(ABSOLUTE_PATH voltarix_applications BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}"
           OUTPUT_VARIABLE applications)

# The Exec line's own rules: "%" is written "%%"; a path with any other character than
# these plain ones is quoted whole, with \ " ` $ escaped by a backslash inside the
# quotes; and the value as a whole doubles every backslash.
set(program "${bindir}/voltarix")
string(REPLACE "%" "%%" program "${program}")
string(REGEX MATCH "[^-A-Za-z0-9_./+,:@=%]" special "${program}")
if(special)
    string(REPLACE "\\" "\\\\" program "${program}")
    string(REPLACE "\"" "\\\"" program "${program}")
    string(REPLACE "`" "\\`" program "${program}")
    string(REPLACE "$" "\\$" program "${program}")
    set(program "\"${program}\"")
    string(REPLACE "\\" "\\\\" program "${program}")
endif()
set(VOLTARIX_EXEC "${program}")

set(entry "$ENV{DESTDIR}${applications}/${voltarix_entry_name}")
message(STATUS "Installing: ${entry}")
file(MAKE_DIRECTORY "$ENV{DESTDIR}${applications}")
configure_file("${voltarix_entry_template}" "${entry}" @ONLY)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${entry}")

# An install straight into its prefix (no DESTDIR, so not into a package, whose
# installation runs these by itself) brings the desktop's caches there up to date, so
# that a project file opens with the program at once. Without the tools, nothing.
if("$ENV{DESTDIR}" STREQUAL "")
    cmake_path(GET applications PARENT_PATH data)
    find_program(update_mime update-mime-database)
    find_program(update_desktop update-desktop-database)
    if(update_mime)
        execute_process(COMMAND "${update_mime}" "${data}/mime" OUTPUT_QUIET ERROR_QUIET)
    endif()
    if(update_desktop)
        execute_process(COMMAND "${update_desktop}" "${applications}" OUTPUT_QUIET ERROR_QUIET)
    endif()
endif()
