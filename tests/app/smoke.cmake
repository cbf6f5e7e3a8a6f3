file(REMOVE_RECURSE ${FOLDER})
execute_process(COMMAND ${APP} --program-folder ${FOLDER} --quit-after 2500
  RESULT_VARIABLE rc TIMEOUT 60)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "the console ended with ${rc}")
endif()
if(NOT EXISTS ${FOLDER}/Fixtures/Generic)
  message(FATAL_ERROR "the program folder was not seeded from resources/")
endif()
