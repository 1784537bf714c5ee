# Precompiled headers: the Qt and GoogleTest headers that nearly every file
# includes are compiled once per kind of target and reused by the other
# targets of that kind. A kind groups targets built with the same macros
# (QT_NO_CAST_FROM_ASCII changes what the Qt headers declare; Qt's test
# macros name the folder of the test), since the compiler refuses a header
# compiled under other macros.
option(KORVEN_PCH "Precompile the Qt and GoogleTest headers" ON)

set(korven_pch_core <QByteArray> <QList> <QString> <QStringList> <QDateTime> <QDir> <QFile>
    <functional> <memory> <optional>)
set(korven_pch_logic ${korven_pch_core})
set(korven_pch_simulator ${korven_pch_core})
set(korven_pch_screens ${korven_pch_core} <QWidget> <QLabel> <QPushButton> <QLineEdit>
    <QGroupBox> <QBoxLayout> <QGridLayout>)
set(korven_pch_tests ${korven_pch_screens} <gtest/gtest.h>)
set(korven_pch_fuzz ${korven_pch_tests})

# korven_precompile(<target> <kind>): the first target of a kind compiles
# the headers of korven_pch_<kind>; the later ones reuse what it compiled.
# The later ones are built after the first, which must not depend on them.
function(korven_precompile target kind)
  if(NOT KORVEN_PCH)
    return()
  endif()
  get_property(donor GLOBAL PROPERTY korven_pch_donor_${kind})
  if(donor)
    target_precompile_headers(${target} REUSE_FROM ${donor})
  else()
    target_precompile_headers(${target} PRIVATE ${korven_pch_${kind}})
    set_property(GLOBAL PROPERTY korven_pch_donor_${kind} ${target})
  endif()
endfunction()

# ccache refuses to cache a compilation that uses a precompiled header unless
# it may leave the header's macros and time stamps out of what it compares.
if(KORVEN_PCH AND CMAKE_CXX_COMPILER_LAUNCHER MATCHES "ccache$")
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
      CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
      ${CMAKE_CXX_COMPILER_LAUNCHER})
endif()
