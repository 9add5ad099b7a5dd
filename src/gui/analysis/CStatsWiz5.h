#pragma once

#include "core/rates/UserCurve.h"
#include "gui/analysis/CStatsPage.h"

#include <array>

class QLineEdit;
class QPlainTextEdit;

namespace orvelan {

class CReferenceBox;

/// Page 5, user selection: a comparison curve typed in as cases and person-years per age group,
/// with live rates and total, read from and saved to analysis files (.STA).
class CStatsWiz5 : public CStatsPage {
    Q_OBJECT
  public:
    explicit CStatsWiz5(CStatsWizard& wizard);

    QString wizardTitle() const override {
        return QStringLiteral("Comparison curve: user selection");
    }
    void initializePage() override;
    bool store() override;
    int nextId() const override { return -1; }

    /// The curve as the fields hold it, title included.
    UserCurve curve() const;

  private:
    void casesEdited(int group, const QString& text);
    void personYearsEdited(int group, const QString& text);
    void updateRate(int group);
    void showCurve();
    void showTotal();
    void useFile();
    /// Fills the 18 rows from a table on the clipboard; a bad table is refused with a message
    /// and the rows stay as they were.
    void paste();
    void saveFile();

    UserCurve m_curve;
    std::array<QLineEdit*, kKnownAgeGroupCount> m_cases{};
    std::array<QLineEdit*, kKnownAgeGroupCount> m_personYears{};
    std::array<QLineEdit*, kKnownAgeGroupCount> m_rates{};
    QPlainTextEdit* m_total = nullptr;
    QLineEdit* m_title = nullptr;
    CReferenceBox* m_reference = nullptr;
};

} // namespace orvelan
