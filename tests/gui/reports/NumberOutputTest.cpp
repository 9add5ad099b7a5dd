#include "GuiFixture.h"
#include "ViewFixture.h"
#include "core/data/CUserGroupDictionary.h"
#include "gui/analysis/CCMPseveralResult.h"
#include "gui/framework/CommandIds.h"
#include "gui/reports/CAgeSpecificRatesView.h"
#include "gui/reports/CReportView.h"
#include "gui/reports/CSummaryRatesView.h"
#include "gui/widgets/CFileDialogs.h"

#include <QApplication>
#include <QClipboard>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <memory>

using namespace orvelan;
using namespace orvelan::test;

// Numbers out of the table views: Copy numbers and Save As .csv give one column per figure,
// in the order and selection shown, for each of the four grid views.
class NumberOutputTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { m_data = std::make_unique<ViewData>(); }
    void cleanup() {
        CFileDialogs::setProvider({});
        m_data.reset();
    }

    void summaryRatesWithIntervalsInTheOrderShown() {
        CSummaryRatesView view;
        SummaryRatesSettings s;
        s.fixedCancer = kStomach;
        s.confidenceInterval = true;
        view.setSettings(s);
        fill(view);
        view.sortBy(6, false); // La Reunion's 25 cases first
        const QStringList lines = copiedLines(view);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(
            lines[0].split('\t').mid(0, 4),
            (QStringList{"Registry name", "Crude rate", "Crude rate lower", "Crude rate upper"}));
        const QStringList reunion = lines[1].split('\t');
        QCOMPARE(reunion[0], QStringLiteral("France, La Reunion (1993-1997)"));
        QCOMPARE(reunion[1].toDouble(), 25.0 / 750000.0 * 100000.0); // crude rate, unrounded
        QCOMPARE(reunion.last(), QStringLiteral("25"));
        // N.A. (cumulative figures of a population that ends at 70+) are empty fields.
        QVERIFY(lines[1].contains(QStringLiteral("\t\t")));
        QVERIFY(!lines[1].endsWith('\t'));

        // A range of one row's cells copies that row only; Save As .csv writes the same table
        // comma-separated, by the chosen type's ending.
        view.grid()->selectRange({2, 1, 2, 3});
        QCOMPARE(copiedLines(view).size(), 2);
        const QString saved = saveAs(view, "rates.CSV");
        QVERIFY(saved.startsWith(QStringLiteral("Registry name,Crude rate,Crude rate lower,")));
        QCOMPARE(saved.count('\n'), 2);
        QVERIFY(saved.contains(QStringLiteral("\"Algeria, Algiers (1993-1997)\",")));
        m_csv = saved;
        m_tsv = QGuiApplication::clipboard()->text();
    }

    void ageSpecificReportAndSeveralCurveViews() {
        CAgeSpecificRatesView ageSpecific;
        AgeSpecificRatesSettings a;
        a.fixedCancer = kStomach;
        a.showRates = true;
        ageSpecific.setSettings(a);
        fill(ageSpecific);
        const QStringList ages = copiedLines(ageSpecific);
        QCOMPARE(ages.size(), 3);
        QCOMPARE(ages[0].split('\t').size(), 22); // label, 18 groups, unknown, all ages, MV(%)
        QCOMPARE(ages[1].split('\t').last(), QStringLiteral("80"));

        CReportView report;
        ReportSettings r;
        r.confidenceInterval = false;
        report.setSettings(r);
        fill(report);
        QVERIFY(report.isCommandEnabled(cmd::kCopyNumbers));
        const QStringList cells = copiedLines(report);
        QCOMPARE(cells.size(), report.grid()->rowCount());
        QVERIFY(!cells[0].contains(QStringLiteral("lower")));
        QCOMPARE(saveAs(report, "report.csv").count('\n'), cells.size());

        CCMPseveralResult several;
        SirRequest request;
        request.cancer = kStomach;
        several.setRequest(request);
        several.createFont(QStringLiteral("Arial"));
        several.fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}));
        const QStringList sir = copiedLines(several);
        QCOMPARE(sir[0], QString::fromUtf8("Registry name\tObserved\tExpected\tSIR\tSIR lower\t"
                                           "SIR upper\t(O-E)\u00b2/E"));
        QCOMPARE(sir[2].split('\t').mid(0, 4),
                 (QStringList{"France, La Reunion", "25", "4", "625"}));
        QVERIFY(saveAs(several, "sir.csv").contains(QString::fromUtf8("(O-E)\u00b2/E")));
    }

    // A registry group named with an accent: the classic .txt keeps the name's Latin-1 byte,
    // the .csv and the copied numbers carry it as UTF-8.
    void accentedNamesInEachSavedTable() {
        CUserGroupDictionary groups{GroupKind::Registry};
        QVERIFY(groups.load(m_dir.file("POPuser.dic")).ok());
        QVERIFY(groups.append("R\xe9union et Alger", {0, 1}).ok());
        m_data->store.setUserGroups(nullptr, &groups);
        CSummaryRatesView view;
        SummaryRatesSettings s;
        s.fixedCancer = kStomach;
        view.setSettings(s);
        view.createFont(QStringLiteral("Arial"));
        view.fill(m_data->store, selectSlots({kFirstRegistryGroup}), selectSlots({kStomach}));
        const QString name = QStringLiteral("R\u00e9union et Alger");
        QVERIFY(copiedLines(view)[1].startsWith(name));
        QVERIFY(saveAs(view, "group.csv").contains(QStringLiteral("\n") + name + QLatin1Char(',')));
        saveAs(view, "group.txt");
        QVERIFY(m_dir.read("group.txt").find("R\xe9union et Alger") != std::string::npos);
        m_data->store.setUserGroups(nullptr, nullptr);
    }

    // What a spreadsheet program makes of them: numbers, not text, with the view's values.
    void pandasReadsNumbers() {
        summaryRatesWithIntervalsInTheOrderShown();
        const QString python = QStringLiteral("/usr/bin/python3");
        if (QProcess::execute(python, {"-c", "import pandas"}) != 0) {
            QSKIP("pandas is not installed");
        }
        TempDir dir;
        dir.write("numbers.csv", m_csv.toStdString());
        dir.write("numbers.tsv", m_tsv.toStdString());
        const char* script =
            "import sys, pandas\n"
            "for path, sep in ((sys.argv[1], ','), (sys.argv[2], '\\t')):\n"
            "    t = pandas.read_csv(path, sep=sep)\n"
            "    assert all(t[c].dtype.kind == 'f' or t[c].dtype.kind == 'i' for c in t.columns[1:]), t.dtypes\n"
            "    print(repr(float(t['Crude rate'][0])), int(t['Number of cases'][0]))\n";
        QProcess process;
        process.start(python, {"-c", script, QString::fromStdString(dir.file("numbers.csv")),
                               QString::fromStdString(dir.file("numbers.tsv"))});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        const QStringList out = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
        // One row each: Algiers, 10 cases over 1,800,000 person-years.
        QCOMPARE(out[0], QStringLiteral("0.5555555555555556 10"));
        QCOMPARE(out[1], out[0]);
    }

  private:
    template <typename View> void fill(View& view) {
        view.createFont(QStringLiteral("Arial"));
        view.fill(m_data->store, selectSlots({kAlgiersRow, kLaReunionRow}),
                  selectSlots({kStomach}));
    }

    /// Edit > Copy numbers, as the menu runs it, and the clipboard's lines.
    static QStringList copiedLines(CGridView& view) {
        QGuiApplication::clipboard()->clear();
        view.runCommand(cmd::kCopyNumbers);
        QString text = QGuiApplication::clipboard()->text();
        if (text.endsWith('\n')) {
            text.chop(1);
        }
        return text.split('\n');
    }

    /// File > Save As with the name typed in the dialog; the file's text.
    QString saveAs(CGridView& view, const char* name) {
        const QString path = QString::fromStdString(m_dir.file(name));
        QString filter;
        CFileDialogs::setProvider([&](const FileDialogRequest& request) {
            filter = request.filter;
            return path;
        });
        view.runCommand(cmd::kSaveAs);
        if (!filter.contains(QStringLiteral("(*.csv)"))) {
            return {};
        }
        return QString::fromUtf8(QByteArray::fromStdString(m_dir.read(name)));
    }

    std::unique_ptr<ViewData> m_data;
    TempDir m_dir;
    QString m_csv;
    QString m_tsv;
};

ORVELAN_QT_TEST(NumberOutputTest)

#include "NumberOutputTest.moc"
