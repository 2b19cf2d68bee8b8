# The version and release date the top-level CMakeLists.txt names, against the ones the
# AppStream metadata, the manual page and the change log give for the newest release (the
# first one each lists).
#
# Run as: cmake -DVERSION=<4.00> -DDATE=<1996-10-31> -DMANUAL_DATE=<31 October 1996>
#               -DCHANGELOG_DATE=<31 Oct 1996> -DMETAINFO=<metainfo.xml>
#               -DMANUAL=<valmora.1> -DCHANGELOG=<changelog> -P ReleaseRecordsCheck.cmake

set(failures "")
# Matches `pattern` in `file` and compares its first group with `expected`.
function(expect file pattern what expected)
  file(READ ${file} text)
  string(REGEX MATCH "${pattern}" ignored "${text}")
  if(NOT "${CMAKE_MATCH_1}" STREQUAL "${expected}")
    string(APPEND failures "\n  ${file}: ${what} '${CMAKE_MATCH_1}', expected '${expected}'")
    set(failures "${failures}" PARENT_SCOPE)
  endif()
endfunction()

expect(${METAINFO} "<release [^>]*version=\"([^\"]*)\"" "release version" "${VERSION}")
expect(${METAINFO} "<release [^>]*date=\"([^\"]*)\"" "release date" "${DATE}")
expect(${MANUAL} "\\.TH [^\n]*\"Valmora ([^\"]*)\"" "version" "${VERSION}")
expect(${MANUAL} "\\.TH [A-Z]+ [0-9] \"([^\"]*)\"" "date" "${MANUAL_DATE}")
expect(${CHANGELOG} "^valmora \\(([^)]*)\\)" "version" "${VERSION}")
expect(${CHANGELOG} "\n -- [^\n]*  [A-Z][a-z][a-z], ([^\n]*) [0-9:]+ [-+][0-9]+\n"
       "date" "${CHANGELOG_DATE}")

if(failures)
  message(FATAL_ERROR "the release records disagree with the project:${failures}")
endif()
