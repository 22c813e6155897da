# One static library per source folder (or per list of folders that depend on each
# other both ways); the sources are the folders' .cpp files except the programs'
# entry files (*Main.cpp), which belong to the exe.
function(tarnix_library name dirs)
  set(srcs)
  foreach(dir ${dirs})
    file(GLOB dir_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND srcs ${dir_srcs})
  endforeach()
  list(FILTER srcs EXCLUDE REGEX "Main\\.cpp$")
  if(NOT srcs)
    set(stub ${CMAKE_BINARY_DIR}/stubs/${name}_empty.cpp)
    file(WRITE ${stub} "// ${name} has no sources yet\n")
    set(srcs ${stub})
  endif()
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src ${PROJECT_SOURCE_DIR}/resources)
  target_link_libraries(${name} PUBLIC ${ARGN})
  if(name STREQUAL "framework")
    target_link_libraries(${name} PUBLIC ${TARNIX_SYSTEM_LIBS})
  endif()
endfunction()

# A GUI program: its application object, its resource script, the framework's
# entry point (WinMain) and the libraries it needs.
function(tarnix_program name main rc)
  add_executable(${name} WIN32 ${PROJECT_SOURCE_DIR}/${main} ${PROJECT_SOURCE_DIR}/${rc}
                 ${PROJECT_SOURCE_DIR}/src/framework/AppMain.cpp)
  target_link_libraries(${name} PRIVATE ${ARGN})
  get_filename_component(rcdir ${PROJECT_SOURCE_DIR}/${rc} DIRECTORY)
  target_include_directories(${name} PRIVATE ${rcdir})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # The editor copies the player onto every medium: ship programs without symbols.
  target_link_options(${name} PRIVATE $<$<CONFIG:Release>:-s>)
endfunction()

# Links a program's resource script into a test executable (when it exists), so
# that its dialogs, strings and pictures can be loaded.
function(tarnix_test_resources test rc)
  if(TARGET ${test})
    target_sources(${test} PRIVATE ${PROJECT_SOURCE_DIR}/${rc})
    get_filename_component(rcdir ${PROJECT_SOURCE_DIR}/${rc} DIRECTORY)
    target_include_directories(${test} PRIVATE ${rcdir})
  endif()
endfunction()

# One GoogleTest executable per library: tests/<dir>/*.cpp and *.rc of each folder.
function(tarnix_tests name dirs)
  set(srcs)
  foreach(dir ${dirs})
    file(GLOB dir_srcs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${dir}/*.cpp ${PROJECT_SOURCE_DIR}/tests/${dir}/*.rc)
    list(APPEND srcs ${dir_srcs})
  endforeach()
  if(NOT srcs)
    return()
  endif()
  add_executable(${name} ${srcs})
  target_link_libraries(${name} PRIVATE ${ARGN} gtest)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  # A ceiling for a hung run, not a speed limit: beside other suites an
  # executable of real-input tests takes several times as long as alone.
  set_tests_properties(${name} PROPERTIES TIMEOUT 900
    ENVIRONMENT "TARNIX_TEST_DATA=${PROJECT_SOURCE_DIR}/tests/data")
endfunction()

# The program imports the functions of these system DLLs as delay imports: a
# DLL is loaded at the first call of one of its functions, not at the start.
# Each delay-import library is made from the system's import library (every
# function it names) and is searched before it for this program only, so the
# exe stays one file and no source changes.
function(tarnix_delay_imports target)
  set(dir ${CMAKE_BINARY_DIR}/delayimp)
  file(MAKE_DIRECTORY ${dir})
  foreach(dll ${ARGN})
    set(lib ${dir}/lib${dll}.a)
    if(NOT EXISTS ${lib})
      find_library(TARNIX_IMPLIB_${dll} ${dll} REQUIRED)
      execute_process(COMMAND ${CMAKE_NM} -g --defined-only ${TARNIX_IMPLIB_${dll}}
                      OUTPUT_VARIABLE symbols COMMAND_ERROR_IS_FATAL ANY)
      string(REGEX MATCHALL "I __imp_[^\r\n]+" imports "${symbols}")
      list(TRANSFORM imports REPLACE "^I __imp_" "")
      list(JOIN imports "\n  " exports)
      file(WRITE ${dir}/${dll}.def "LIBRARY ${dll}.dll\nEXPORTS\n  ${exports}\n")
      execute_process(COMMAND ${CMAKE_DLLTOOL} --input-def ${dir}/${dll}.def --dllname ${dll}.dll
                              --output-delaylib ${lib} COMMAND_ERROR_IS_FATAL ANY)
    endif()
  endforeach()
  target_link_directories(${target} BEFORE PRIVATE ${dir})
endfunction()
