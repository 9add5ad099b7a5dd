#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

// Reads printed PDF files back with poppler's command-line tools, where they are installed.
namespace orvelan::test {

inline bool hasPoppler() {
    for (const char* tool : {"pdfinfo", "pdftotext", "pdftoppm"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            return false;
        }
    }
    return true;
}

/// Standard output of a poppler tool (empty when it is missing).
inline QString popplerOutput(const char* tool, const QStringList& arguments) {
    QProcess process;
    process.start(QStandardPaths::findExecutable(QString::fromLatin1(tool)), arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

/// The text of a PDF laid out as printed; each page ends with a form feed.
inline QString pdfText(const QString& pdf) {
    return popplerOutput("pdftotext", {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
}

} // namespace orvelan::test

#define ORVELAN_REQUIRE_POPPLER()                                                                  \
    if (!orvelan::test::hasPoppler()) {                                                            \
        QSKIP("poppler-utils are not installed");                                                  \
    }
