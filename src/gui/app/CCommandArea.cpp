#include "gui/app/CCommandArea.h"

#include "gui/app/CMainFrame.h"
#include "gui/app/CORVELANApp.h"

namespace orvelan {

CCommandArea::CCommandArea(CORVELANApp& app, CMainFrame& frame)
    : QObject(&frame), m_app(app), m_frame(frame) {}

bool CCommandArea::requireData() {
    if (m_app.hasData()) {
        return true;
    }
    m_frame.showError(m_app.dataProblemMessage());
    return false;
}

} // namespace orvelan
