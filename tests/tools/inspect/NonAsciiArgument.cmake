# SPDX-License-Identifier: MIT
# quorvex-inspect is handed a card folder whose name is not ASCII, as a shell or Explorer hands it
# over, and must find it (Windows gives narrow arguments in its ANSI code page, which cannot hold
# this name). -DINSPECT= -DWORK= [-DEMULATOR=]
set(folder "${WORK}/Karte Südhang 林道")
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${folder})
file(WRITE ${folder}/menu.dat "abc")
execute_process(COMMAND ${EMULATOR} ${INSPECT} ${folder}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 60)
string(REPLACE "\\" "/" out "${out}")
if(NOT status EQUAL 1 OR NOT out MATCHES "Karte Südhang 林道/menu.dat: menu.dat, 3 bytes")
  message(FATAL_ERROR "status ${status}\nout:\n${out}\nerr:\n${err}")
endif()
