# cmake -D BUILD_DIR=... -D PREFIX=... -D BINDIR=bin -D DATADIR=share -D APP_ID=...
#       -D ICON_SIZES=... -D SOLVED_GAMES=... -P check_install.cmake
cmake_minimum_required(VERSION 3.25)
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${result}")
endif()

set(share ${PREFIX}/${DATADIR})
set(entry ${share}/applications/${APP_ID}.desktop)
set(expected ${PREFIX}/${BINDIR}/quintel ${entry} ${share}/metainfo/${APP_ID}.metainfo.xml
             ${share}/icons/hicolor/scalable/apps/${APP_ID}.svg)
foreach(size ${ICON_SIZES})
  list(APPEND expected ${share}/icons/hicolor/${size}x${size}/apps/${APP_ID}.png)
endforeach()
# Every solved game the build found lies where the installed program looks for it.
foreach(game ${SOLVED_GAMES})
  get_filename_component(name ${game} NAME)
  list(APPEND expected ${share}/quintel/solved/${name})
endforeach()
foreach(installed ${expected})
  if(NOT EXISTS ${installed})
    message(FATAL_ERROR "not installed: ${installed}")
  endif()
endforeach()

# The menu entry must start the installed program and find the installed icon by the id.
file(STRINGS ${entry} lines)
foreach(line "Exec=quintel" "Icon=${APP_ID}")
  if(NOT line IN_LIST lines)
    message(FATAL_ERROR "${entry} lacks the line ${line}")
  endif()
endforeach()
file(REMOVE_RECURSE ${PREFIX})
