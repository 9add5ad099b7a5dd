#pragma once

#include <QSpinBox>

// An age-group field stepped by a spin control over 0..17 that shows the group's label: the
// lower labels " 0-" ... "85-" for "From:", the upper labels " 4" ... "85+" for "To:".
namespace orvelan {

class CAgeLabelSpin : public QSpinBox {
    Q_OBJECT
  public:
    enum class Bound { From, To };
    CAgeLabelSpin(Bound bound, QWidget* parent);

  protected:
    QString textFromValue(int value) const override;
    /// The index whose label equals the text; 0 when none does.
    int valueFromText(const QString& text) const override;
    QValidator::State validate(QString& text, int& pos) const override;

  private:
    Bound m_bound;
};

} // namespace orvelan
