#include "gui/graphs/wizard/GRwiz0.h"

#include "gui/graphs/wizard/CGphWizard.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace orvelan {

namespace {

constexpr int kUseTemplate = static_cast<int>(GraphKind::UseTemplate);

} // namespace

GRwiz0::GRwiz0(CGphWizard& wizard) : CGphPage(wizard, QStringLiteral("graphKind")) {
    const std::array<const char*, 5> texts = {"Age-specific curves", "Bar chart", "Pie chart",
                                              "Population pyramid", "Use a template"};
    auto* group = new QButtonGroup(this);
    auto* layout = new QVBoxLayout;
    for (std::size_t kind = 0; kind < texts.size(); ++kind) {
        if (kind == static_cast<std::size_t>(kUseTemplate)) {
            layout->addSpacing(12);
        }
        auto* button = new QRadioButton(QString::fromLatin1(texts[kind]), this);
        button->setObjectName(QStringLiteral("kind%1").arg(kind));
        group->addButton(button, static_cast<int>(kind));
        layout->addWidget(button);
        m_kinds[kind] = button;
    }
    layout->addStretch(1);
    setContent(layout);
}

void GRwiz0::initializePage() {
    const bool templates = sheet().hasTemplates();
    m_kinds[kUseTemplate]->setEnabled(templates);
    int kind = settings().kind;
    if (kind < 0 || kind > kUseTemplate || (kind == kUseTemplate && !templates)) {
        kind = 0;
    }
    m_kinds[static_cast<std::size_t>(kind)]->setChecked(true);
}

int GRwiz0::checkedKind() const {
    for (std::size_t kind = 0; kind < m_kinds.size(); ++kind) {
        if (m_kinds[kind]->isChecked()) {
            return static_cast<int>(kind);
        }
    }
    return 0;
}

bool GRwiz0::store() {
    settings().kind = checkedKind();
    // A title read from a template belongs to that template only.
    settings().title.clear();
    return true;
}

int GRwiz0::nextId() const {
    switch (static_cast<GraphKind>(checkedKind())) {
    case GraphKind::AgeSpecific:
        return CGphWizard::kAgeSpecific1;
    case GraphKind::BarChart:
        return CGphWizard::kBar1;
    case GraphKind::PieChart:
        return CGphWizard::kPie1;
    case GraphKind::Pyramid:
        return CGphWizard::kPyramid;
    case GraphKind::UseTemplate:
        return CGphWizard::kTemplatePage;
    }
    return CGphWizard::kAgeSpecific1;
}

} // namespace orvelan
