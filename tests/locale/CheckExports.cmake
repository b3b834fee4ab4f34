# Fails unless the shared library defines exactly the expected dynamic symbols.
# cmake -DNM=nm -DLIBRARY=libX.so "-DEXPECTED=a;b" -P CheckExports.cmake
execute_process(COMMAND ${NM} -D --defined-only ${LIBRARY}
                OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${NM} failed on ${LIBRARY}")
endif()
string(REGEX MATCHALL "[^\n]+" lines "${listing}")
set(exported "")
foreach(line IN LISTS lines)
  string(REGEX REPLACE ".* " "" name "${line}")
  list(APPEND exported "${name}")
endforeach()
list(SORT exported)
list(SORT EXPECTED)
if(NOT exported STREQUAL EXPECTED)
  message(FATAL_ERROR "${LIBRARY} exports\n  ${exported}\nexpected\n  ${EXPECTED}")
endif()
message(STATUS "exports: ${exported}")
