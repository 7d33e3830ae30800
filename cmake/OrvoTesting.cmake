# orvo_add_test(NAME LAYER engine|core|widgets SOURCES src... LIBRARIES lib...)
# One GoogleTest executable linked with its layer's test support only; every
# test case becomes a ctest test that runs headless, in a fixed C locale,
# with sanitizer reports failing the test.
function(orvo_add_test name)
    cmake_parse_arguments(ARG "" "LAYER" "SOURCES;LIBRARIES" ${ARGN})
    set(support_engine GTest::gtest_main)
    set(support_core orvo_test_core)
    set(support_widgets orvo_test_widgets)
    if(NOT DEFINED support_${ARG_LAYER})
        message(FATAL_ERROR "orvo_add_test(${name}): LAYER must be engine, core or widgets")
    endif()
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBRARIES} ${support_${ARG_LAYER}} GTest::gtest
                                          GTest::gmock)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES ENVIRONMENT "${ORVO_TEST_ENVIRONMENT}" TIMEOUT 300)
endfunction()
