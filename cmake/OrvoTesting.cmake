# orvo_add_test(NAME SOURCES src... LIBRARIES lib...)
# One GoogleTest executable; every test case becomes a ctest test that runs
# headless, in a fixed C locale, with sanitizer reports failing the test.
function(orvo_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} orvo_test_support GTest::gtest
                                          GTest::gmock)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${ORVO_TEST_ENVIRONMENT}" TIMEOUT 300)
endfunction()
