#include "graphics/FontFaces.h"

#include <QFontInfo>
#include <QHash>
#include <QStringList>
#include <algorithm>
#include <mutex>

namespace orvelan {

namespace {

// Faces as resolved under the substitutions in force; installing them starts afresh.
std::mutex g_resolvedMutex;
QHash<QString, QString> g_resolved;

} // namespace

void installFaceSubstitutions() {
    {
        const std::lock_guard lock(g_resolvedMutex);
        g_resolved.clear();
    }
    const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                              QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), sans);
    QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
    QFont::insertSubstitutions(QStringLiteral("Times New Roman"),
                               {QStringLiteral("Liberation Serif"), QStringLiteral("Tinos"),
                                QStringLiteral("DejaVu Serif")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"),
                               {QStringLiteral("Liberation Mono"), QStringLiteral("Cousine"),
                                QStringLiteral("DejaVu Sans Mono")});
}

QString resolvedFace(const QString& face) {
    const std::lock_guard lock(g_resolvedMutex);
    auto it = g_resolved.constFind(face);
    if (it == g_resolved.constEnd()) {
        const QString family = QFontInfo(QFont(face)).family();
        it = g_resolved.insert(face, family.isEmpty() ? face : family);
    }
    return *it;
}

QFont graphFont(const QString& face, int pixelHeight, bool bold) {
    QFont font(resolvedFace(face));
    font.setPixelSize(std::max(1, pixelHeight));
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace orvelan
