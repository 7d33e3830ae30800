# Regenerates the demo data into ACTUAL and fails unless every file equals
# the committed one in EXPECTED.
file(REMOVE_RECURSE ${ACTUAL})
file(MAKE_DIRECTORY ${ACTUAL})
execute_process(COMMAND ${GENERATOR} ${ACTUAL} RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "orvo-demo-data failed: ${result}")
endif()
file(GLOB expected_files RELATIVE ${EXPECTED} ${EXPECTED}/*.cal)
file(GLOB actual_files RELATIVE ${ACTUAL} ${ACTUAL}/*.cal)
if(NOT expected_files STREQUAL actual_files)
    message(FATAL_ERROR "files differ: committed ${expected_files}, generated ${actual_files}")
endif()
foreach(name IN LISTS expected_files)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${EXPECTED}/${name}
                            ${ACTUAL}/${name} RESULT_VARIABLE differs)
    if(NOT differs EQUAL 0)
        message(FATAL_ERROR "${name} is not what the generator writes; "
                            "run the demo-data target and commit the result")
    endif()
endforeach()
message(STATUS "${expected_files} match the generator")
