# SPDX-License-Identifier: GPL-3.0-or-later
# Runs pipling-sim on a script with a fresh store and fails unless it exits with status 0 and
# prints output.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${SIM} --store ${WORK}/store.ini ${SCRIPT}
  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "pipling-sim exited with ${status}:\n${output}\n${errors}")
endif()
if(NOT output MATCHES "\"CharacterNo\"")
  message(FATAL_ERROR "pipling-sim printed no device state:\n${output}")
endif()
