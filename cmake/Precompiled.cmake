# Precompiled headers: the outside headers that a layer's files include again and again
# (GoogleTest, CLI11 and JSON, Qt) are parsed once per target, not once per file.
# ORVELAN_PCH=OFF builds without them, which shows that every file includes what it uses. A
# target of a few translation units (the graphics tests) has none: building the header would
# take longer than it saves, and each compiler-cache hit from a precompiled header costs a
# second of hashing it.
option(ORVELAN_PCH "Precompile the test framework, CLI11, JSON and Qt headers" ON)

set(ORVELAN_PCH_GTEST <gtest/gtest.h> <gmock/gmock.h>)
set(ORVELAN_PCH_CLI <CLI/CLI.hpp> <nlohmann/json.hpp>)
set(ORVELAN_PCH_CLI_TESTS ${ORVELAN_PCH_GTEST} <nlohmann/json.hpp>)
set(ORVELAN_PCH_QT_GUI <QColor> <QFont> <QFontMetrics> <QImage> <QPainter>
    <QRect> <QSize> <QString> <QStringList>)
set(ORVELAN_PCH_QT_WIDGETS ${ORVELAN_PCH_QT_GUI} <QAction> <QApplication> <QCheckBox>
    <QComboBox> <QDialog> <QDialogButtonBox> <QDir> <QFile> <QFileInfo> <QFormLayout> <QGroupBox>
    <QHBoxLayout> <QLabel> <QLineEdit> <QMessageBox> <QPlainTextEdit> <QPushButton>
    <QRadioButton> <QTreeWidget> <QVBoxLayout> <QWidget>)
set(ORVELAN_PCH_QT_WIDGETS_TESTS ${ORVELAN_PCH_QT_WIDGETS} <QtTest>)

# orvelan_precompile(TARGET SET): TARGET's files start from the headers of ORVELAN_PCH_<SET>.
function(orvelan_precompile target set)
    if(ORVELAN_PCH)
        target_precompile_headers(${target} PRIVATE ${ORVELAN_PCH_${set}})
        # GCC 12 reports its own std::string false positives (a memcpy out of bounds of a string
        # object, at -O2) from a precompiled header as if they were in the file; the core
        # library, which starts from no precompiled header, keeps these warnings.
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-array-bounds -Wno-stringop-overflow
                -Wno-stringop-overread -Wno-restrict)
        endif()
    endif()
endfunction()
