# cmake -DBUILD=<build folder> -DPREFIX=<folder> -P install_into_prefix.cmake
# Installs the build into an emptied prefix, as a user would with `cmake --install`.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "cmake --install ${BUILD} --prefix ${PREFIX} failed (${result})")
endif()
