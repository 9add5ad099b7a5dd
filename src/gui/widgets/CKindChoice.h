#pragma once

#include <QObject>
#include <QString>
#include <vector>

class QBoxLayout;
class QButtonGroup;
class QRadioButton;
class QWidget;

// The radio buttons of a wizard's first page, one per kind of output numbered from 0 in the
// order they are added, of which the kind that loads a template is disabled while there is no
// template to load.
namespace orvelan {

class CKindChoice : public QObject {
    Q_OBJECT
  public:
    /// Sentinel for a choice without a template kind.
    static constexpr int kNoTemplateKind = -1;

    /// page: the parent of the buttons; templateKind: the kind that loads a template.
    CKindChoice(QWidget* page, int templateKind = kNoTemplateKind);

    /// Adds the next kind's button below the others in layout; objectName empty: "kind<n>".
    QRadioButton* add(QBoxLayout* layout, const QString& text, const QString& objectName = {});
    QRadioButton* button(int kind) const;
    /// The checked kind; 0 when none is.
    int checked() const;
    /// Checks kind, or the first kind when kind is out of range or is the template kind while
    /// templates is false (the template kind is then disabled).
    void check(int kind, bool templates = false);

  private:
    QWidget* m_page;
    QButtonGroup* m_group;
    std::vector<QRadioButton*> m_buttons;
    int m_templateKind;
};

} // namespace orvelan
