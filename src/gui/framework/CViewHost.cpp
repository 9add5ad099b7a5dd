#include "gui/framework/CViewHost.h"

namespace orvelan {

CViewHost* CViewHost::s_current = nullptr;

CViewHost::CViewHost() {
    Q_ASSERT(s_current == nullptr);
    s_current = this;
}

CViewHost::~CViewHost() { s_current = nullptr; }

CViewHost* CViewHost::current() { return s_current; }

} // namespace orvelan
