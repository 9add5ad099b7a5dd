#include "gui/widgets/CKindChoice.h"

#include "GuiFixture.h"

#include <QRadioButton>
#include <QVBoxLayout>
#include <QWidget>
#include <QtTest>

using namespace orvelan;

namespace {

constexpr int kTemplateKind = 3;

struct Page {
    QWidget widget;
    CKindChoice* kinds = nullptr;

    explicit Page(int count = 4, int templateKind = kTemplateKind) {
        kinds = new CKindChoice(&widget, templateKind);
        auto* layout = new QVBoxLayout(&widget);
        for (int kind = 0; kind < count; ++kind) {
            kinds->add(layout, QStringLiteral("Kind %1").arg(kind));
        }
    }
};

} // namespace

// Four kinds, the last of which loads a template.
class CKindChoiceTest : public QObject {
    Q_OBJECT

  private slots:
    void checksTheRememberedKindOrFallsBackToTheFirst_data() {
        QTest::addColumn<int>("remembered");
        QTest::addColumn<bool>("templates");
        QTest::addColumn<int>("checked");
        QTest::newRow("a plain kind") << 2 << false << 2;
        QTest::newRow("the template kind with templates") << 3 << true << 3;
        QTest::newRow("the template kind without templates") << 3 << false << 0;
        QTest::newRow("negative (nothing remembered)") << -1 << true << 0;
        QTest::newRow("past the last kind") << 4 << true << 0;
    }

    void checksTheRememberedKindOrFallsBackToTheFirst() {
        QFETCH(int, remembered);
        QFETCH(bool, templates);
        QFETCH(int, checked);
        Page page;
        page.kinds->check(remembered, templates);
        QCOMPARE(page.kinds->checked(), checked);
        QVERIFY(page.kinds->button(checked)->isChecked());
        QCOMPARE(page.kinds->button(kTemplateKind)->isEnabled(), templates);
    }

    void aClickChangesTheCheckedKind() {
        Page page;
        page.widget.show();
        page.kinds->check(0, true);
        QTest::mouseClick(page.kinds->button(2), Qt::LeftButton);
        QCOMPARE(page.kinds->checked(), 2);
        QVERIFY(!page.kinds->button(0)->isChecked());
        // A disabled template kind cannot be clicked into.
        page.kinds->check(2, false);
        QTest::mouseClick(page.kinds->button(kTemplateKind), Qt::LeftButton);
        QCOMPARE(page.kinds->checked(), 2);
    }

    void withoutATemplateKindEveryKindStaysEnabled() {
        Page page(3, CKindChoice::kNoTemplateKind);
        page.kinds->check(2, false);
        QCOMPARE(page.kinds->checked(), 2);
        for (int kind = 0; kind < 3; ++kind) {
            QVERIFY(page.kinds->button(kind)->isEnabled());
        }
    }
};

ORVELAN_QT_TEST(CKindChoiceTest)

#include "CKindChoiceTest.moc"
