# Fails when a shipped catalog lacks a text of the program, still has one the program lost, or has a
# translation that is empty or drops a place marker. lupdate brings a copy of each catalog up to date
# with the sources, so the catalogs in the tree are left alone.
#   cmake -DLUPDATE=... -DCHECK=lintra-catalogs -DSETTINGS=check_settings.cmake -DWORK=DIR -P check_catalogs.cmake
include(${SETTINGS})
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(copies "")
foreach(catalog IN LISTS catalogs)
  get_filename_component(name ${catalog} NAME)
  file(COPY_FILE ${catalog} ${WORK}/${name})
  list(APPEND copies ${WORK}/${name})
endforeach()

execute_process(COMMAND ${LUPDATE} ${lupdate_options} -silent ${folders} -ts ${copies}
                RESULT_VARIABLE status OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${status}):\n${said}")
endif()
# A call lupdate cannot read is a text no catalog will ever hold.
if(NOT said STREQUAL "")
  message(FATAL_ERROR "lupdate could not read every text:\n${said}")
endif()

execute_process(COMMAND ${CHECK} check ${copies} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "The catalogs are not complete: `cmake --build build --target update_translations`, "
                      "then translate what is marked unfinished (README.md, Translations).")
endif()
