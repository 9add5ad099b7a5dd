#include "gui/data/CSelectionPanel.h"

#include "gui/widgets/CStateImages.h"

#include <QHBoxLayout>
#include <QToolButton>
#include <QVBoxLayout>

namespace orvelan {

CSelectionPanel::CSelectionPanel(TreeKind kind, int buttons, QWidget* parent) : QWidget(parent) {
    m_tree = new CSelectionTree(kind, CSelectionTree::Form::Multiple, this);
    m_tree->setObjectName(kind == TreeKind::Registry ? QStringLiteral("registryTree")
                                                     : QStringLiteral("cancerTree"));
    m_buttonBar = new QWidget(this);
    auto* buttonLayout = new QVBoxLayout(m_buttonBar);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    using Picture = CStateImages::ButtonPicture;
    if ((buttons & ClearButton) != 0) {
        connect(addButton("clearSelection", QStringLiteral("Clear selection"),
                          CStateImages::buttonIcon(Picture::Clear)),
                &QToolButton::clicked, m_tree, &CSelectionTree::clearAll);
    }
    if ((buttons & SelectAllButton) != 0) {
        const bool registries = kind == TreeKind::Registry;
        connect(addButton("selectAll",
                          registries ? QStringLiteral("Select all registries")
                                     : QStringLiteral("Select all cancers"),
                          CStateImages::buttonIcon(registries ? Picture::SelectAllRegistries
                                                              : Picture::SelectAllCancers)),
                &QToolButton::clicked, m_tree, &CSelectionTree::selectAll);
    }
    if ((buttons & Icd10Button) != 0 && kind == TreeKind::Cancer) {
        connect(addButton("selectIcd10Rubrics", QStringLiteral("Select ICD-10 rubrics"),
                          CStateImages::buttonIcon(Picture::Icd10Rubrics)),
                &QToolButton::clicked, m_tree, &CSelectionTree::selectIcd10Rubrics);
    }
    buttonLayout->addStretch(1);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree->withFilter(), 1);
    layout->addWidget(m_buttonBar);
}

QToolButton* CSelectionPanel::addButton(const char* objectName, const QString& tip,
                                        const QIcon& icon) {
    auto* button = new QToolButton(m_buttonBar);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setToolTip(tip);
    button->setIcon(icon);
    button->setIconSize(QSize(20, 20));
    button->setAutoRaise(false);
    m_buttonBar->layout()->addWidget(button);
    return button;
}

void CSelectionPanel::load(const CUserGroupDictionary* groups, const SelectionList& list) {
    m_tree->setGroups(groups);
    m_tree->setSelection(list);
}

} // namespace orvelan
