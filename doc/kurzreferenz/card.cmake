# Makes the reference card: groff turns SOURCE into the PDF OUTPUT.
#   cmake -DGROFF=groff -DSOURCE=kurzreferenz.tr -DOUTPUT=Kurzreferenz.pdf
#         -DVERSION=1.01 -P card.cmake
# The same source gives the same bytes: groff reads the source by its bare
# name from its own folder, so no path of the build gets into the PDF, and
# the PDF's dates are SOURCE_DATE_EPOCH, or without it the time of the last
# commit that changed the source (the file's modification time outside a
# git checkout). A warning of groff fails the build, so that the card never
# ships with a line it could not set.
foreach(name GROFF SOURCE OUTPUT VERSION)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "card.cmake: -D${name}=... is missing")
  endif()
endforeach()
get_filename_component(folder "${SOURCE}" DIRECTORY)
get_filename_component(file "${SOURCE}" NAME)

if(NOT "$ENV{SOURCE_DATE_EPOCH}" MATCHES "^[0-9]+$")
  set(epoch "")
  find_program(GIT git)
  if(GIT)
    execute_process(COMMAND ${GIT} log -1 --format=%ct -- "${file}"
      WORKING_DIRECTORY "${folder}" OUTPUT_VARIABLE epoch ERROR_QUIET
      OUTPUT_STRIP_TRAILING_WHITESPACE)
  endif()
  if(NOT epoch MATCHES "^[0-9]+$")
    file(TIMESTAMP "${SOURCE}" epoch "%s" UTC)
  endif()
  set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
endif()

execute_process(
  COMMAND ${GROFF} -Tpdf -t -k -P-pa4 -dversion=${VERSION} "${file}"
  WORKING_DIRECTORY "${folder}"
  OUTPUT_FILE "${OUTPUT}.part" ERROR_VARIABLE errors RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT errors STREQUAL "")
  file(REMOVE "${OUTPUT}.part")
  message(FATAL_ERROR "groff could not make the reference card (status ${status}):\n${errors}")
endif()
file(RENAME "${OUTPUT}.part" "${OUTPUT}")
