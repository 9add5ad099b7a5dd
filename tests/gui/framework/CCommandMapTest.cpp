#include "gui/framework/CCommandMap.h"

#include "GuiFixture.h"

#include <QtTest>

using namespace orvelan;

class CCommandMapTest : public QObject {
    Q_OBJECT

  private slots:
    void answersForListedAndUnlistedCommands() {
        CCommandMap commands;
        int copies = 0;
        commands.add(1, [&copies] { ++copies; });
        commands.add(
            2, [] {}, [] { return false; });
        struct Case {
            int id;
            bool handles;
            bool enabled;
            bool runs;
        };
        const Case cases[] = {
            {1, true, true, true}, {2, true, false, true}, {3, false, false, false}};
        for (const Case& c : cases) {
            QCOMPARE(commands.handles(c.id), c.handles);
            QCOMPARE(commands.isEnabled(c.id), c.enabled);
            QCOMPARE(commands.run(c.id), c.runs);
        }
        QCOMPARE(copies, 1);
    }

    void asksTheConditionEachTime() {
        CCommandMap commands;
        int fontSize = 7;
        commands.add(
            1, [&fontSize] { --fontSize; }, [&fontSize] { return fontSize > 6; });
        QVERIFY(commands.isEnabled(1));
        QVERIFY(commands.run(1));
        QVERIFY(!commands.isEnabled(1));
        // A command added again replaces the first.
        commands.add(1, [] {});
        QVERIFY(commands.isEnabled(1));
    }
};

ORVELAN_QT_TEST(CCommandMapTest)

#include "CCommandMapTest.moc"
