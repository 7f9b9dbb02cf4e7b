# add_app_test(name DEPENDS lib... SOURCES file... [LABELS label...])
# One QtTest program registered with CTest; tests run under the offscreen platform.
function(add_app_test name)
    cmake_parse_arguments(T "" "" "DEPENDS;SOURCES;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_DEPENDS} Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;OTOKORVEL_SERVER_BIN=$<TARGET_FILE:otokorvel-server>"
        LABELS "${T_LABELS}")
endfunction()
