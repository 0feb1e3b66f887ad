# Installs the build into a fresh prefix under WORK and runs the installed program as a new user
# would, with a home of its own and no XDG variables: --version, --help, a calculation (which
# copies the reference files into the user's data folder) and one with a report (which loads
# the desktop part from the prefix). Fails when a file is missing, a run fails, or anything is
# written into the prefix.
file(REMOVE_RECURSE ${WORK})
set(prefix ${WORK}/prefix)
set(home ${WORK}/home)
file(MAKE_DIRECTORY ${home})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed")
endif()

set(data ${prefix}/share/dravolit-balka)
foreach(f bin/dravolit-balka lib/dravolit-balka/dravolit-balka-desktop.so
          share/dravolit-balka/material.txt share/dravolit-balka/sortament.txt
          share/dravolit-balka/help.html share/dravolit-balka/examples/Перекрытие.lvl
          share/applications/dravolit-balka.desktop share/mime/packages/dravolit-balka.xml
          share/icons/hicolor/48x48/mimetypes/application-x-dravolit-lvl.png
          share/icons/hicolor/256x256/apps/dravolit-balka.png
          share/icons/hicolor/scalable/apps/dravolit-balka.svg)
  if(NOT EXISTS ${prefix}/${f})
    message(FATAL_ERROR "not installed: ${f}")
  endif()
endforeach()
file(GLOB_RECURSE installed LIST_DIRECTORIES true ${prefix}/*)

set(program ${CMAKE_COMMAND} -E env --unset=XDG_DATA_HOME --unset=XDG_CACHE_HOME
            --unset=XDG_CONFIG_HOME HOME=${home} ${prefix}/bin/dravolit-balka)
function(run expected_status)
  execute_process(COMMAND ${program} ${ARGN} WORKING_DIRECTORY ${WORK}
                  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT status EQUAL expected_status)
    message(FATAL_ERROR "dravolit-balka ${ARGN}: status ${status}\n${out}\n${err}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(0 --version)
if(NOT out STREQUAL "Драволит-Балка ${VERSION}\n")
  message(FATAL_ERROR "--version printed: ${out}")
endif()
run(0 --help)
if(NOT out MATCHES "Код завершения")
  message(FATAL_ERROR "--help printed: ${out}")
endif()
run(2 --no-such-option)

run(0 --calc ${data}/examples/Перекрытие.lvl)
set(user_data ${home}/.local/share/dravolit-balka)
foreach(f material.txt sortament.txt)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${data}/${f} ${user_data}/${f}
                  RESULT_VARIABLE differs)
  if(NOT differs EQUAL 0)
    message(FATAL_ERROR "${f} was not copied into ${user_data}")
  endif()
endforeach()

set(report ${home}/.cache/dravolit-balka)
run(0 --calc ${data}/examples/Перекрытие.lvl --report ${report})
if(NOT EXISTS ${report}/report.html OR NOT EXISTS ${report}/picture.jpg)
  message(FATAL_ERROR "no report in ${report}")
endif()

file(GLOB_RECURSE after LIST_DIRECTORIES true ${prefix}/*)
if(NOT installed STREQUAL after)
  message(FATAL_ERROR "the program wrote into its installation")
endif()
file(REMOVE_RECURSE ${WORK})
