# The release this tree builds, read from the top entry of debian/changelog,
# the one place where a release is written down:
#
#   paxamon (1.01-1) unstable; urgency=medium
#   ...
#    -- NAME <ADDRESS>  Mon, 07 Dec 2026 00:00:00 +0000
#
# Sets PAXAMON_RELEASE_VERSION ("1.01", the part before the Debian revision)
# and PAXAMON_RELEASE_DATE ("2026-12-07"). Included before project(), which
# takes the version from here.
#
# Versions are MAJOR.MINOR with a minor of exactly two digits (1.01, 1.02,
# ..., 1.99, 2.00). dpkg compares the digits as numbers, so "1.1" would be
# the same version as "1.01" and "1.10" newer than "1.9"; with two digits
# the order dpkg sees is the order a reader sees.
function(paxamon_read_release)
  set(changelog ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/../debian/changelog)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
  file(STRINGS ${changelog} changelog_head LIMIT_COUNT 1)
  if(NOT changelog_head MATCHES "^paxamon \\(([^)-]+)-[^)]+\\) ")
    message(FATAL_ERROR "debian/changelog: the first line names no version: ${changelog_head}")
  endif()
  set(version ${CMAKE_MATCH_1})
  if(NOT version MATCHES "^[0-9]+\\.[0-9][0-9]$")
    message(FATAL_ERROR "debian/changelog: version ${version} is not MAJOR.MINOR "
                        "with a two-digit minor (see cmake/release.cmake)")
  endif()

  # The first trailer line closes the top entry.
  file(STRINGS ${changelog} trailers REGEX "^ -- ")
  list(GET trailers 0 trailer)
  set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
  if(NOT trailer MATCHES ">  [A-Z][a-z][a-z], ([0-9][0-9]?) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
    message(FATAL_ERROR "debian/changelog: the top entry's date cannot be read: ${trailer}")
  endif()
  set(day ${CMAKE_MATCH_1})
  set(year ${CMAKE_MATCH_3})
  list(FIND months ${CMAKE_MATCH_2} month)
  if(month LESS 0)
    message(FATAL_ERROR "debian/changelog: unknown month in ${trailer}")
  endif()
  math(EXPR month "${month} + 1")
  string(REGEX REPLACE "^([0-9])$" "0\\1" month ${month})
  string(REGEX REPLACE "^([0-9])$" "0\\1" day ${day})
  set(PAXAMON_RELEASE_VERSION ${version} PARENT_SCOPE)
  set(PAXAMON_RELEASE_DATE ${year}-${month}-${day} PARENT_SCOPE)
endfunction()
paxamon_read_release()
