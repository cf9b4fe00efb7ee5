# SPDX-License-Identifier: GPL-3.0-or-later
# Qt's meta-object compiler runs only for the libraries whose headers declare
# Q_OBJECT classes. Each such class's source file ends with
# #include "moc_<name>.cpp", so its meta-object code is compiled in the same
# unit (the Qt headers parsed once) and the library's mocs_compilation.cpp
# stays empty; that file is then compiled without the precompiled headers,
# which would take longer to load than the empty file takes to compile.
set(CMAKE_AUTOGEN_ORIGIN_DEPENDS OFF)
set(CMAKE_OPTIMIZE_DEPENDENCIES ON)

# zelvane_moc(TARGET)
function(zelvane_moc target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/mocs_compilation.cpp
    TARGET_DIRECTORY ${target} PROPERTIES SKIP_PRECOMPILE_HEADERS ON)
endfunction()
