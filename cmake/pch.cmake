# SPDX-License-Identifier: GPL-3.0-or-later
# Precompiled headers: the Qt and standard headers that most files include,
# compiled once per build and reused by every library and program (a first
# build takes about half as long). Three sets, so that the core libraries
# (Qt Core/Gui only) never see a widget header and the Qt Core only ones
# (base, jobs, settings) no Gui header.
option(ZELVANE_PCH "Precompile the Qt and standard headers most files include" ON)

set(ZELVANE_PCH_QTCORE
  <QByteArray> <QCoreApplication> <QDir> <QFile> <QFileInfo> <QHash> <QList> <QLoggingCategory> <QMap> <QObject>
  <QSet> <QString> <QStringList> <QThread>
  <algorithm> <atomic> <cmath> <cstring> <functional> <memory> <mutex> <optional> <string> <vector>)
set(ZELVANE_PCH_CORE
  <QByteArray> <QCoreApplication> <QDateTime> <QDebug> <QDir> <QElapsedTimer> <QFile> <QFileInfo> <QHash>
  <QImage> <QList> <QLocale> <QLoggingCategory> <QMap> <QMutex> <QObject> <QPainter> <QPoint> <QRect> <QSet>
  <QString> <QStringList> <QThread> <QTimer> <QStandardItemModel>
  <algorithm> <atomic> <cmath> <cstring> <functional> <memory> <optional> <set> <string> <vector>)
set(ZELVANE_PCH_WIDGETS ${ZELVANE_PCH_CORE}
  <QAction> <QApplication> <QCheckBox> <QDialog> <QDialogButtonBox> <QKeyEvent> <QLabel> <QLineEdit>
  <QListView> <QMessageBox> <QPushButton> <QStyle> <QTreeView> <QVBoxLayout> <QWidget>)

if(ZELVANE_PCH)
  file(WRITE ${CMAKE_BINARY_DIR}/zelvane_pch.cpp "// Holds the precompiled headers.\n")
  add_library(zelvane_pch_qtcore STATIC ${CMAKE_BINARY_DIR}/zelvane_pch.cpp)
  target_link_libraries(zelvane_pch_qtcore PRIVATE Qt6::Core)
  target_precompile_headers(zelvane_pch_qtcore PRIVATE ${ZELVANE_PCH_QTCORE})
  add_library(zelvane_pch_core STATIC ${CMAKE_BINARY_DIR}/zelvane_pch.cpp)
  target_link_libraries(zelvane_pch_core PRIVATE Qt6::Gui)
  target_precompile_headers(zelvane_pch_core PRIVATE ${ZELVANE_PCH_CORE})
  add_library(zelvane_pch_widgets STATIC ${CMAKE_BINARY_DIR}/zelvane_pch.cpp)
  target_link_libraries(zelvane_pch_widgets PRIVATE Qt6::Widgets)
  target_precompile_headers(zelvane_pch_widgets PRIVATE ${ZELVANE_PCH_WIDGETS})
endif()

# The tests' sets add GoogleTest; made only when the tests are built.
function(zelvane_add_test_pch)
  if(ZELVANE_PCH)
    add_library(zelvane_pch_tests STATIC ${CMAKE_BINARY_DIR}/zelvane_pch.cpp)
    target_link_libraries(zelvane_pch_tests PRIVATE Qt6::Gui GTest::gtest)
    target_precompile_headers(zelvane_pch_tests PRIVATE ${ZELVANE_PCH_CORE} <gtest/gtest.h>)
    add_library(zelvane_pch_tests_widgets STATIC ${CMAKE_BINARY_DIR}/zelvane_pch.cpp)
    # QTest stays out: its headers read a folder name that differs per test
    # program, which would make the set unusable for all but one.
    target_link_libraries(zelvane_pch_tests_widgets PRIVATE Qt6::Widgets GTest::gtest)
    target_precompile_headers(zelvane_pch_tests_widgets PRIVATE ${ZELVANE_PCH_WIDGETS} <gtest/gtest.h>)
  endif()
endfunction()

# zelvane_precompile(TARGET qtcore|core|widgets)
function(zelvane_precompile target kind)
  if(ZELVANE_PCH)
    target_precompile_headers(${target} REUSE_FROM zelvane_pch_${kind})
  endif()
endfunction()
