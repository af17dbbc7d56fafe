# cmake -D BUILD_DIR=... -D PREFIX=... -D BINDIR=bin -D DATADIR=share -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(program ${PREFIX}/${BINDIR}/quintel)
set(entry ${PREFIX}/${DATADIR}/applications/quintel.desktop)
set(icon ${PREFIX}/${DATADIR}/icons/hicolor/scalable/apps/quintel.svg)
foreach(installed ${program} ${entry} ${icon})
  if(NOT EXISTS ${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()

# Every solved game the build found lies where the installed program looks for it.
foreach(game ${SOLVED_GAMES})
  get_filename_component(name ${game} NAME)
  if(NOT EXISTS ${PREFIX}/${DATADIR}/quintel/solved/${name})
    message(FATAL_ERROR "not installed: ${PREFIX}/${DATADIR}/quintel/solved/${name}")
  endif()
endforeach()

# The menu entry must start the installed program and find the installed icon by name.
file(STRINGS ${entry} lines)
foreach(expected "Exec=quintel" "Icon=quintel")
  if(NOT expected IN_LIST lines)
    message(FATAL_ERROR "${entry} lacks the line ${expected}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
