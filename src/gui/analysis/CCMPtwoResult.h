#pragma once

#include "core/graphs/GraphLook.h"
#include "core/rates/ComparisonTexts.h"
#include "core/rates/CurvePair.h"
#include "core/rates/UserCurve.h"

#include <QDialog>
#include <optional>

class QLineEdit;
class QPushButton;
class QTreeWidget;

// "Comparison of two age-specific curves: results": the two curves' world ASRs, the rate
// ratios and the three tests, computed once when the dialog is built. Every number and text
// comes from the comparison engine; the dialog only places them.
namespace orvelan {

class CIncidenceStore;

/// What the results dialog reads besides the selection.
struct TwoCurveContext {
    CIncidenceStore& store;
    /// The typed-in comparison curve with its title; used when userComparison is non-zero.
    std::optional<UserCurve> userCurve;
    /// Folder proposed by Save As.
    QString workFolder;
    /// The application's graph style, which the graph starts in and keeps; nullptr: classic.
    GraphLook* graphLook = nullptr;
};

class CCMPtwoResult : public QDialog {
    Q_OBJECT
  public:
    CCMPtwoResult(QWidget* parent, const TwoCurveContext& context, int refCancer, int compCancer,
                  int refPopulation, int compPopulation, int refSex, int compSex, int ageLow,
                  int ageHigh, int userComparison);

    const CurvePair& pair() const { return m_pair; }
    const ComparisonRun& run() const { return m_run; }

    /// Writes the results in the layout the name's ending asks for; "File format not
    /// supported..." or the failure is shown. True when the file was written.
    bool saveTo(const QString& path);

  private:
    void fillLists();
    void saveAs();
    void showCurves();
    void showHelp();

    TwoCurveContext m_context;
    CurvePair m_pair;
    ComparisonRun m_run;
    QLineEdit* m_reference = nullptr;
    QLineEdit* m_comparison = nullptr;
    QLineEdit* m_ageRange = nullptr;
    QTreeWidget* m_asrList = nullptr;
    QTreeWidget* m_rateRatioList = nullptr;
    QTreeWidget* m_testList = nullptr;
    QPushButton* m_showCurves = nullptr;
    QPushButton* m_saveAs = nullptr;
};

} // namespace orvelan
