#include "gui/graphs/wizard/GRwiz0.h"

#include "gui/graphs/wizard/CGphWizard.h"
#include "gui/widgets/CKindChoice.h"

#include <QVBoxLayout>
#include <array>

namespace orvelan {

namespace {

constexpr int kUseTemplate = indexOf(GraphKind::UseTemplate);

} // namespace

GRwiz0::GRwiz0(CGphWizard& wizard)
    : CGphPage(wizard, QStringLiteral("graphKind")), m_kinds(new CKindChoice(this, kUseTemplate)) {
    const std::array<const char*, 5> texts = {"Age-specific curves", "Bar chart", "Pie chart",
                                              "Population pyramid", "Use a template"};
    auto* layout = new QVBoxLayout;
    for (std::size_t kind = 0; kind < texts.size(); ++kind) {
        if (kind == static_cast<std::size_t>(kUseTemplate)) {
            layout->addSpacing(12);
        }
        m_kinds->add(layout, QString::fromLatin1(texts[kind]));
    }
    layout->addStretch(1);
    setContent(layout);
}

void GRwiz0::initializePage() { m_kinds->check(indexOf(settings().kind), sheet().hasTemplates()); }

bool GRwiz0::store() {
    settings().kind = static_cast<GraphKind>(m_kinds->checked());
    // A title read from a template belongs to that template only.
    settings().title.clear();
    return true;
}

int GRwiz0::nextId() const {
    return CGphWizard::firstPageOf(static_cast<GraphKind>(m_kinds->checked()));
}

} // namespace orvelan
