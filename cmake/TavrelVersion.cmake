# The program file's version information, in one place: the version number is
# the project's, the strings of the block "StringFileInfo\040904E4\" are cache
# variables. On Windows they become the game program's version resource
# (tavrel_add_version_resource); elsewhere common/VersionInfo.cpp compiles the
# same values in. An empty variable leaves its value out altogether, so the
# About box treats it as missing on every platform.

set(TAVREL_COMPANY_NAME "Tavrel Sudoku International" CACHE STRING "CompanyName of the program's version information")
set(TAVREL_LEGAL_COPYRIGHT "Copyright (C) Tavrel Sudoku International. All rights reserved." CACHE STRING "LegalCopyright (the About box's notice line)")
set(TAVREL_LEGAL_TRADEMARKS "- Tavrel Sudoku" CACHE STRING "LegalTrademarks (listed on the About box's trademark line)")
set(TAVREL_COMMENTS "A Sudoku game built round the pyramid of a parent and nine children." CACHE STRING "Comments of the program's version information")
set(TAVREL_PRODUCT_NAME "Tavrel Sudoku" CACHE STRING "ProductName of the program's version information")
set(TAVREL_FILE_DESCRIPTION "Tavrel Sudoku game" CACHE STRING "FileDescription of the program's version information")

set(TAVREL_VERSION_MAJOR ${CMAKE_PROJECT_VERSION_MAJOR})
set(TAVREL_VERSION_MINOR ${CMAKE_PROJECT_VERSION_MINOR})
if(CMAKE_PROJECT_VERSION_PATCH)
  set(TAVREL_VERSION_PATCH ${CMAKE_PROJECT_VERSION_PATCH})
else()
  set(TAVREL_VERSION_PATCH 0)
endif()
set(TAVREL_VERSION_TEXT "${TAVREL_VERSION_MAJOR}.${TAVREL_VERSION_MINOR}.${TAVREL_VERSION_PATCH}")

# Name/value pairs of the string block, in the order the resource lists them.
set(TAVREL_VERSION_STRINGS
  "CompanyName" "${TAVREL_COMPANY_NAME}"
  "Comments" "${TAVREL_COMMENTS}"
  "FileDescription" "${TAVREL_FILE_DESCRIPTION}"
  "FileVersion" "${TAVREL_VERSION_TEXT}"
  "InternalName" "TavrelSudoku"
  "LegalCopyright" "${TAVREL_LEGAL_COPYRIGHT}"
  "LegalTrademarks" "${TAVREL_LEGAL_TRADEMARKS}"
  "OriginalFilename" "TavrelSudoku.exe"
  "ProductName" "${TAVREL_PRODUCT_NAME}"
  "ProductVersion" "${TAVREL_VERSION_TEXT}")

# The entries of both generated files: C string literals for the compiled-in
# table and VALUE lines for the resource script. Backslashes and quotes are
# escaped, so any cache text stays one literal.
set(TAVREL_VERSION_C_ENTRIES "")
set(TAVREL_VERSION_RC_ENTRIES "")
list(LENGTH TAVREL_VERSION_STRINGS _count)
math(EXPR _last "${_count} - 1")
foreach(_index RANGE 0 ${_last} 2)
  math(EXPR _value_index "${_index} + 1")
  list(GET TAVREL_VERSION_STRINGS ${_index} _name)
  list(GET TAVREL_VERSION_STRINGS ${_value_index} _value)
  if(_value STREQUAL "")
    continue()
  endif()
  string(REPLACE "\\" "\\\\" _c_value "${_value}")
  string(REPLACE "\"" "\\\"" _c_value "${_c_value}")
  string(APPEND TAVREL_VERSION_C_ENTRIES "    {\"${_name}\", \"${_c_value}\"},\n")
  string(REPLACE "\\" "\\\\" _rc_value "${_value}")
  string(REPLACE "\"" "\"\"" _rc_value "${_rc_value}")
  string(APPEND TAVREL_VERSION_RC_ENTRIES "            VALUE \"${_name}\", \"${_rc_value}\\0\"\n")
endforeach()

# Gives Target (the game program) the version resource on Windows; nothing
# elsewhere, where the values are compiled into common/VersionInfo.cpp.
function(tavrel_add_version_resource target)
  if(NOT WIN32)
    return()
  endif()
  set(rc ${CMAKE_BINARY_DIR}/generated/${target}Version.rc)
  configure_file(${CMAKE_SOURCE_DIR}/cmake/TavrelVersion.rc.in ${rc} @ONLY)
  target_sources(${target} PRIVATE ${rc})
endfunction()
