# One compile configuration shared by every target of the project.
add_library(kestrova_options INTERFACE)
target_compile_options(kestrova_options INTERFACE -Wall -Wextra -pedantic)
target_compile_definitions(kestrova_options INTERFACE
    QT_NO_CAST_TO_ASCII
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_FOREACH)
target_include_directories(kestrova_options INTERFACE ${PROJECT_SOURCE_DIR}/src)

# kestrova_add_library(<name> <sources…>): a static library of the project. Windows keep their
# form as a `Ui::…Class ui` member, so the uic headers are exported to the library's users.
function(kestrova_add_library name)
    add_library(${name} STATIC ${ARGN})
    target_link_libraries(${name} PRIVATE kestrova_options)
    target_include_directories(${name} PUBLIC
        ${PROJECT_SOURCE_DIR}/src
        ${CMAKE_CURRENT_BINARY_DIR}/${name}_autogen/include)
endfunction()
