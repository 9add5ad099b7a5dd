#include "gui/app/CCommandArea.h"

#include "core/data/CIncidenceStore.h"
#include "graphics/CoreText.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"

namespace orvelan {

CCommandArea::CCommandArea(CORVELANApp& app, CMainFrame& frame)
    : QObject(&frame), m_app(app), m_frame(frame) {}

bool CCommandArea::requireData() {
    if (m_app.hasData()) {
        m_app.tellIfDataChanged();
        return true;
    }
    m_frame.showError(m_app.dataProblemMessage());
    return false;
}

bool CCommandArea::requireWholeData() {
    const std::string cut = m_app.hasData() ? m_app.store().cutShortMessage() : std::string();
    if (cut.empty()) {
        return true;
    }
    m_frame.showError(fromCoreMessage(cut) +
                      QStringLiteral(". The open tables keep the figures they show."));
    return false;
}

} // namespace orvelan
