#pragma once

#include <QString>
#include <initializer_list>
#include <string>
#include <string_view>
#include <utility>

class QTreeWidget;
class QWidget;

// Pieces the dictionary and group dialogs share: report-style lists, sex marks, the delete
// question and the write failure message.
namespace orvelan {

struct UserGroup;
class CIncidenceStore;

/// What the registry lists show of a population.
struct PopulationInfo {
    QString label;      // with its registration period
    QString type;       // "General" or "Specialised"
    QString ageClasses; // "[0-85+]"; empty when the population has no person-years
};

/// Reads the population's record (sex 0) through the store.
PopulationInfo populationInfo(CIncidenceStore& store, int population);
/// Highest age group 0-17 with person-years in the store's loaded series, or -1.
int lastAgeGroupOfSeries(const CIncidenceStore& store);
class CUserGroupDictionary;

/// A list in report style with full-row selection; columns are (title, width).
QTreeWidget* makeReportList(QWidget* parent, const QString& objectName,
                            std::initializer_list<std::pair<QString, int>> columns);
/// "X" when the cancer occurs in the sex, " " otherwise.
QString sexMark(bool applies);
QString fromView(std::string_view text);
/// Dictionary and label texts are 8-bit.
QString latin1(const std::string& text);
QString programName();
/// "Are you sure you want to delete '<name>' ?\n".
QString deleteQuestion(const UserGroup& group);
/// Why a group could not be written, naming the dictionary file.
QString cannotWrite(const CUserGroupDictionary& groups);

} // namespace orvelan
