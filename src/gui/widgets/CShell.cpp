#include "gui/widgets/CShell.h"

#include <QDesktopServices>

namespace orvelan {

namespace {

CShell::Opener& opener() {
    static CShell::Opener instance;
    return instance;
}

} // namespace

bool CShell::open(const QUrl& url) {
    if (opener()) {
        return opener()(url);
    }
    return QDesktopServices::openUrl(url);
}

void CShell::setOpener(Opener function) { opener() = std::move(function); }

} // namespace orvelan
