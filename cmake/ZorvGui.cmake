# A Qt widgets library is every .cpp, .ui form and .qrc of one folder (sub-folders are libraries
# or programs of their own).
function(zorv_gui_library name dir)
    file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp ${dir}/*.ui ${dir}/*.qrc)
    list(FILTER sources EXCLUDE REGEX "/main\\.cpp$")
    add_library(${name} STATIC ${sources})
    set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON)
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
    target_link_libraries(${name} PUBLIC ${ARGN} Qt6::Widgets)
endfunction()

# Every *Test.cpp of a folder is a QtTest program of its own, run offscreen by ctest; the other
# .cpp files of the folder are helpers linked into each of them.
function(zorv_qt_tests dir)
    file(GLOB tests CONFIGURE_DEPENDS ${dir}/*Test.cpp)
    file(GLOB helpers CONFIGURE_DEPENDS ${dir}/*.cpp)
    list(FILTER helpers EXCLUDE REGEX "Test\\.cpp$")
    foreach(test ${tests})
        get_filename_component(name ${test} NAME_WE)
        add_executable(${name} ${test} ${helpers})
        set_target_properties(${name} PROPERTIES AUTOMOC ON AUTOUIC ON AUTORCC ON
            RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests/bin)
        target_include_directories(${name} PRIVATE ${dir})
        target_link_libraries(${name} PRIVATE ${ARGN} Qt6::Test)
        target_compile_definitions(${name} PRIVATE
            ZORV_SOURCE_DIR="${PROJECT_SOURCE_DIR}" ZORV_PROGRAM_DIR="${ZORV_PROGRAM_DIR}"
            ZORV_BINARY_DIR="${CMAKE_BINARY_DIR}")
        add_test(NAME ${name} COMMAND ${name})
        set_tests_properties(${name} PROPERTIES TIMEOUT 300
            ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_LOGGING_RULES=qt.qpa.*=false")
    endforeach()
endfunction()
