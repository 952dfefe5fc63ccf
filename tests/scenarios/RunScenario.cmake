# SPDX-License-Identifier: MIT
# Runs one scenario script through quorvex-script in a fresh folder and compares the transcript
# with the expected one. -DDRIVER= -DHOST= -DSCRIPT= -DEXPECTED= -DWORK= [-DEMULATOR=]
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/cache ${WORK}/config ${WORK}/runtime)
# Cards a scenario reads (files no form writes, such as damaged ones) are copied in beside it.
get_filename_component(script_dir ${SCRIPT} DIRECTORY)
if(EXISTS ${script_dir}/cards)
  file(COPY ${script_dir}/cards DESTINATION ${WORK})
endif()
file(CHMOD ${WORK}/runtime DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
set(ENV{QUORVEX_PREFERENCES} ${WORK}/prefs)
# Wine keeps its prefix under HOME unless told otherwise: keep it where it was.
if(EMULATOR AND NOT DEFINED ENV{WINEPREFIX})
  set(ENV{WINEPREFIX} "$ENV{HOME}/.wine")
endif()
# The forms start in the home folder; a fixed text keeps transcripts the same everywhere.
set(ENV{HOME} /home/ranger)
set(ENV{XDG_CACHE_HOME} ${WORK}/cache)
set(ENV{XDG_CONFIG_HOME} ${WORK}/config)
set(ENV{XDG_RUNTIME_DIR} ${WORK}/runtime)
set(ENV{QT_QPA_PLATFORM} offscreen)
# The native windows under Wine need the (virtual) display the stage runs on; nothing else may
# reach a display.
if(NOT HOST STREQUAL "win32")
  unset(ENV{DISPLAY})
endif()
unset(ENV{WAYLAND_DISPLAY})
unset(ENV{QUORVEX_SYSTEM_LANGID})

set(expected_exit 0)
file(STRINGS ${SCRIPT} exit_line REGEX "^# exit: [0-9]+$")
if(exit_line)
  string(REGEX REPLACE "^# exit: " "" expected_exit "${exit_line}")
endif()

execute_process(COMMAND ${EMULATOR} ${DRIVER} --host ${HOST} ${SCRIPT}
  WORKING_DIRECTORY ${WORK}
  OUTPUT_VARIABLE actual ERROR_VARIABLE errors RESULT_VARIABLE status
  TIMEOUT 60)
file(READ ${EXPECTED} wanted)
if(EMULATOR)
  # What differs on Windows without being behaviour: line ends, the folder separator (escaped
  # inside quotes), the user's home folder (Windows has its own) and the system's wording of the
  # same error.
  string(REPLACE "\r\n" "\n" actual "${actual}")
  string(REPLACE "\\\\" "/" actual "${actual}")
  string(REGEX REPLACE "\\\\([^\"])" "/\\1" actual "${actual}")
  string(REGEX REPLACE "[A-Z]:/users/[^/\"]+" "/home/ranger" actual "${actual}")
  string(REPLACE "Path not found" "No such file or directory" actual "${actual}")
  string(REPLACE "File not found" "No such file or directory" actual "${actual}")
  string(REPLACE "Access denied" "Permission denied" actual "${actual}")
endif()
if(NOT actual STREQUAL wanted)
  file(WRITE ${WORK}/actual.transcript "${actual}")
  execute_process(COMMAND diff -u ${EXPECTED} ${WORK}/actual.transcript OUTPUT_VARIABLE difference)
  message(FATAL_ERROR "transcript differs (${HOST} host):\n${difference}\nstderr:\n${errors}")
endif()
if(NOT status STREQUAL expected_exit)
  message(FATAL_ERROR "exit status ${status}, expected ${expected_exit}\nstderr:\n${errors}")
endif()
