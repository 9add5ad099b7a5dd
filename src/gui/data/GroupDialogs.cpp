#include "gui/data/GroupDialogs.h"

#include "core/data/CIncidenceStore.h"
#include "core/data/CRegistryDictionary.h"
#include "core/data/CUserGroupDictionary.h"
#include "core/data/Codes.h"

#include <QHeaderView>
#include <QTreeWidget>

namespace orvelan {

QTreeWidget* makeReportList(QWidget* parent, const QString& objectName,
                            std::initializer_list<std::pair<QString, int>> columns) {
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setColumnCount(static_cast<int>(columns.size()));
    QStringList titles;
    for (const auto& column : columns) {
        titles << column.first;
    }
    list->setHeaderLabels(titles);
    int index = 0;
    for (const auto& column : columns) {
        list->setColumnWidth(index++, column.second);
    }
    list->header()->setStretchLastSection(false);
    return list;
}

QString sexMark(bool applies) { return applies ? QStringLiteral("X") : QStringLiteral(" "); }

QString fromView(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QString programName() { return fromView(kProgramName); }

QString deleteQuestion(const UserGroup& group) {
    return QStringLiteral("Are you sure you want to delete '%1' ?\n")
        .arg(latin1(group.trimmedName()));
}

int lastAgeGroupOfSeries(const CIncidenceStore& store) {
    for (int group = kTopAgeGroup; group >= 0; --group) {
        if (store.personYears()[static_cast<std::size_t>(group)] != 0.0) {
            return group;
        }
    }
    return -1;
}

PopulationInfo populationInfo(CIncidenceStore& store, int population) {
    PopulationInfo info;
    info.label = latin1(store.populationLabelByNumber(population, true));
    if (store.readPopulationRecord(population, 0)) {
        info.type =
            store.isSpecialised() ? QStringLiteral("Specialised") : QStringLiteral("General");
        const int last = lastAgeGroupOfSeries(store);
        if (last >= 0) {
            info.ageClasses = latin1(CRegistryDictionary::ageClasses(last));
        }
    }
    return info;
}

QString cannotWrite(const CUserGroupDictionary& groups) {
    return QStringLiteral("Cannot write the user dictionary %1.")
        .arg(QString::fromStdString(groups.path()));
}

} // namespace orvelan
