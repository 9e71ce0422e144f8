# Qt and standard headers compiled once and shared by every library and test
# that uses widgets: without them most of a build goes into parsing the same
# Qt headers again for each source.
set(NORVANTA_PCH_MODULES Qt6::Widgets Qt6::Gui Qt6::Core Qt6::Network Qt6::Help Qt6::Multimedia Qt6::PrintSupport)
set(NORVANTA_PCH_HEADERS
  <algorithm> <array> <cmath> <functional> <limits> <memory> <optional> <vector>
  <QCoreApplication> <QDir> <QElapsedTimer> <QEvent> <QFile> <QFileInfo> <QHash> <QList> <QObject> <QPointer>
  <QRegularExpression> <QString> <QStringList> <QTemporaryDir> <QTimer> <QVariant>
  <QColor> <QFont> <QFontMetrics> <QImage> <QKeyEvent> <QMouseEvent> <QPainter> <QPixmap>
  <QAction> <QApplication> <QCheckBox> <QDialog> <QGroupBox> <QLabel> <QLineEdit> <QListWidget> <QMenu>
  <QMenuBar> <QPushButton> <QScrollBar> <QWidget>)
add_library(norvanta_pch STATIC ${CMAKE_SOURCE_DIR}/cmake/pch.cpp)
target_link_libraries(norvanta_pch PUBLIC ${NORVANTA_PCH_MODULES})
target_precompile_headers(norvanta_pch PRIVATE ${NORVANTA_PCH_HEADERS})

# Gives a target the shared headers of `pch`; it must see the Qt modules they
# come from.
function(norvanta_use_pch target pch)
  target_link_libraries(${target} PRIVATE ${pch})
  target_precompile_headers(${target} REUSE_FROM ${pch})
endfunction()

# One static library per src/ folder: norvanta_<folder>, built from every source in it.
# NO_PCH for a folder below the widgets (it sees Qt Core alone).
function(norvanta_library folder)
  cmake_parse_arguments(ARG "NO_PCH" "" "DEPENDS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS
       ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.qrc)
  add_library(norvanta_${folder} STATIC ${sources})
  target_include_directories(norvanta_${folder} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(norvanta_${folder} PUBLIC ${ARG_DEPENDS})
  if(NOT ARG_NO_PCH)
    norvanta_use_pch(norvanta_${folder} norvanta_pch)
  endif()
endfunction()
