# Precompiled headers: the Qt and standard headers most of our files include,
# parsed once per target instead of once per file. Each target gets its own (a
# shared one would need every target to be compiled with the same definitions,
# which the Qt modules do not give).
# Off by default: with g++ and debug information each precompiled header is
# 100-230 MB, ccache hashes it for every file, and a cold build of everything
# with the tests took 14 min 19 s with them against 9 min 53 s without (two
# cores). Worth trying again with another compiler or without ccache.
#   dv_precompile(TARGET [WIDGETS] [TESTS])
# WIDGETS adds the widget headers (targets that link Qt6::Widgets), TESTS adds
# GoogleTest and implies WIDGETS.
option(DAVIDUV_PCH "Precompile the Qt and standard headers of each target" OFF)

set(DV_PCH_CORE
  <algorithm> <array> <functional> <memory> <optional> <stdexcept> <string> <vector>
  <QByteArray> <QCoreApplication> <QDateTime> <QDir> <QFile> <QFileInfo>
  <QList> <QObject> <QString> <QStringList>)
set(DV_PCH_WIDGETS
  <QApplication> <QComboBox> <QDialog> <QGridLayout> <QLabel> <QLineEdit> <QMessageBox>
  <QPainter> <QPushButton> <QSpinBox> <QVBoxLayout> <QWidget>)
set(DV_PCH_TESTS <gtest/gtest.h> <QTemporaryDir>)

function(dv_precompile target)
  if(NOT DAVIDUV_PCH)
    return()
  endif()
  cmake_parse_arguments(P "WIDGETS;TESTS" "" "" ${ARGN})
  set(headers ${DV_PCH_CORE})
  if(P_WIDGETS OR P_TESTS)
    list(APPEND headers ${DV_PCH_WIDGETS})
  endif()
  if(P_TESTS)
    list(APPEND headers ${DV_PCH_TESTS})
  endif()
  target_precompile_headers(${target} PRIVATE ${headers})
endfunction()
