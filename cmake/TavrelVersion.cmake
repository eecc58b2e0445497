# The program file's version information, in one place: the version number is
# the project's, the strings of the block "StringFileInfo\040904E4\" are cache
# variables. On Windows they become the game program's version resource
# (tavrel_add_version_resource); elsewhere common/VersionInfo.cpp compiles the
# same values in. An empty variable leaves its value out altogether, so the
# About box treats it as missing on every platform. Included from the top
# folder, so that the resource compiler is enabled for every target.

if(WIN32)
  enable_language(RC)
endif()

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

# The entries of both generated files: C string literals for the compiled-in
# table and VALUE lines for the resource script. Backslashes and quotes are
# escaped, so any cache text stays one literal.
set(TAVREL_VERSION_C_ENTRIES "")
set(TAVREL_VERSION_RC_ENTRIES "")
function(tavrel_version_string name value)
  if("${value}" STREQUAL "")
    return()
  endif()
  string(REPLACE "\\" "\\\\" c_value "${value}")
  string(REPLACE "\"" "\\\"" c_value "${c_value}")
  set(TAVREL_VERSION_C_ENTRIES "${TAVREL_VERSION_C_ENTRIES}    {\"${name}\", \"${c_value}\"},\n" PARENT_SCOPE)
  string(REPLACE "\\" "\\\\" rc_value "${value}")
  string(REPLACE "\"" "\"\"" rc_value "${rc_value}")
  set(TAVREL_VERSION_RC_ENTRIES "${TAVREL_VERSION_RC_ENTRIES}            VALUE \"${name}\", \"${rc_value}\\0\"\n" PARENT_SCOPE)
endfunction()
tavrel_version_string(CompanyName "${TAVREL_COMPANY_NAME}")
tavrel_version_string(Comments "${TAVREL_COMMENTS}")
tavrel_version_string(FileDescription "${TAVREL_FILE_DESCRIPTION}")
tavrel_version_string(FileVersion "${TAVREL_VERSION_TEXT}")
tavrel_version_string(InternalName "TavrelSudoku")
tavrel_version_string(LegalCopyright "${TAVREL_LEGAL_COPYRIGHT}")
tavrel_version_string(LegalTrademarks "${TAVREL_LEGAL_TRADEMARKS}")
tavrel_version_string(OriginalFilename "TavrelSudoku.exe")
tavrel_version_string(ProductName "${TAVREL_PRODUCT_NAME}")
tavrel_version_string(ProductVersion "${TAVREL_VERSION_TEXT}")

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
