// The property grid through its real editors: what typed values commit, which are refused and
// why, read-only and disabled rows, choices, check boxes, the two orders.
#include "CPropertyGrid.h"

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

using namespace tarnell;

namespace {

enum { kGroupA = 1, kGroupB = 2, kName = 10, kFrequency = 11, kSide = 12, kHd = 13, kFixed = 14 };

class PropertyGridTest : public ::testing::Test {
protected:
    void SetUp() override {
        grid.AddGroup(kGroupA, QStringLiteral("Transponder"));
        grid.AddGroup(kGroupB, QStringLiteral("Marks"));
        grid.AddProperty(kGroupA,
                         PropertySpec(kName, QStringLiteral("Name")).Validate([](const QString& t) {
                             return t.size() > 5 ? QStringLiteral("too long") : QString();
                         }));
        grid.AddProperty(kGroupA,
                         PropertySpec(kFrequency, QStringLiteral("Frequency"), PropertyKind::Number)
                             .Describe(QStringLiteral("MHz")));
        grid.AddProperty(kGroupA, {kSide, QStringLiteral("Side"), PropertyKind::Choice});
        grid.AddProperty(kGroupB, {kHd, QStringLiteral("HD"), PropertyKind::Check});
        grid.AddProperty(kGroupB, PropertySpec(kFixed, QStringLiteral("Satellite")).ReadOnly());
        grid.SetOptions(
            kSide, CComboBoxExProp({{QStringLiteral("East"), 0}, {QStringLiteral("West"), 1}}));
        grid.SetValue(kName, QStringLiteral("Astra"));
        grid.SetValue(kFrequency, 11362);
        grid.SetValue(kSide, 1);
        grid.SetValue(kHd, false);
        grid.SetValue(kFixed, QStringLiteral("19.2E"));
        grid.resize(400, 400);
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    QWidget* OpenEditor(int id) {
        QTreeView* view = grid.View();
        const QModelIndex value = grid.Model().IndexOf(id);
        view->setCurrentIndex(value);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_Return);
        return view->indexWidget(value);
    }

    CPropertyGrid grid;
};

TEST_F(PropertyGridTest, TypedValuesCommitOrAreRefusedWithAReason) {
    struct Case {
        int id;
        QString typed;
        bool committed;
        QVariant value; // the stored value afterwards
    };
    const std::vector<Case> cases = {
        {kFrequency, QStringLiteral("12345"), true, 12345},
        {kFrequency, QStringLiteral("70000"), false, 12345}, // above 65535: refused
        {kFrequency, QString(), false, 12345},               // no number at all
        {kFrequency, QStringLiteral("12a3"), true, 123},     // the edit takes digits only
        {kName, QStringLiteral("Hot"), true, QStringLiteral("Hot")},
        {kName, QStringLiteral("Hotbird"), false, QStringLiteral("Hot")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        QSignalSpy committed(&grid, &CPropertyGrid::ValueCommitted);
        QSignalSpy refused(&grid, &CPropertyGrid::ValueRefused);
        auto* edit = qobject_cast<QLineEdit*>(OpenEditor(c.id));
        ASSERT_NE(edit, nullptr);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClicks(edit, c.typed);
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents(); // the delegate commits queued
        EXPECT_EQ(committed.count(), c.committed ? 1 : 0);
        EXPECT_EQ(refused.count(), c.committed ? 0 : 1);
        if (!c.committed) {
            // The editor stays open with the text to correct; the reason is on show.
            EXPECT_NE(grid.View()->indexWidget(grid.Model().IndexOf(c.id)), nullptr);
            EXPECT_FALSE(grid.DescriptionText().isEmpty());
            QTest::keyClick(edit, Qt::Key_Escape);
        }
        EXPECT_EQ(grid.Value(c.id), c.value);
    }
}

TEST_F(PropertyGridTest, EscapeUndoKeysAndUnchangedTextCommitNothing) {
    QSignalSpy committed(&grid, &CPropertyGrid::ValueCommitted);
    auto* edit = qobject_cast<QLineEdit*>(OpenEditor(kFrequency));
    ASSERT_NE(edit, nullptr);
    QTest::keyClicks(edit, QStringLiteral("9"));
    QTest::keyClick(edit, Qt::Key_Escape);

    edit = qobject_cast<QLineEdit*>(OpenEditor(kFrequency));
    QTest::keyClick(edit, Qt::Key_Return); // the shown value again
    QCoreApplication::processEvents();

    edit = qobject_cast<QLineEdit*>(OpenEditor(kName));
    QTest::keyClicks(edit, QStringLiteral("x"));
    QKeyEvent undo(QEvent::ShortcutOverride, Qt::Key_Z, Qt::ControlModifier);
    QApplication::sendEvent(edit, &undo);
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.View()->indexWidget(grid.Model().IndexOf(kName)), nullptr) << "closed";
    EXPECT_FALSE(undo.isAccepted()) << "the window's Undo takes the key";

    EXPECT_EQ(committed.count(), 0);
    EXPECT_EQ(grid.Value(kFrequency), 11362);
    EXPECT_EQ(grid.Value(kName), QStringLiteral("Astra"));
}

TEST_F(PropertyGridTest, ChoicesChecksAndReadOnlyRows) {
    QSignalSpy committed(&grid, &CPropertyGrid::ValueCommitted);
    auto* combo = qobject_cast<QComboBox*>(OpenEditor(kSide));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->currentText(), QStringLiteral("West"));
    combo->setCurrentIndex(0);
    emit combo->activated(0);
    QCoreApplication::processEvents();
    ASSERT_EQ(committed.count(), 1);
    EXPECT_EQ(committed.last().at(1), QVariant(0));

    // A value no option has is shown as the number it is; a negative one as the first option.
    grid.SetValue(kSide, 7);
    EXPECT_EQ(grid.Model().DisplayText(kSide), QStringLiteral("7"));
    grid.SetValue(kSide, -1);
    EXPECT_EQ(grid.Model().DisplayText(kSide), QStringLiteral("East"));

    grid.View()->setCurrentIndex(grid.Model().IndexOf(kHd, CPropertyGridModel::kColName));
    QTest::keyClick(grid.View(), Qt::Key_Space);
    ASSERT_EQ(committed.count(), 2);
    EXPECT_EQ(committed.last().at(1), QVariant(true));

    // Read-only and disabled rows open no editor and take no value.
    grid.SetPropertyEnabled(kFrequency, false);
    for (const int id : {kFixed, kFrequency}) {
        EXPECT_EQ(OpenEditor(id), nullptr);
        EXPECT_FALSE(grid.Model().Commit(id, QStringLiteral("1")));
        EXPECT_TRUE(grid.Model().flags(grid.Model().IndexOf(id)) & Qt::ItemIsSelectable);
    }
    EXPECT_EQ(committed.count(), 2);
}

TEST_F(PropertyGridTest, ModelHoldsTogetherInBothOrdersAndWhileRowsComeAndGo) {
    QAbstractItemModelTester tester(&grid.Model(),
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    grid.AddProperty(kGroupB, {20, QStringLiteral("Fav 1"), PropertyKind::Check});
    grid.SetAlphabetical(true);
    EXPECT_EQ(grid.Model().rowCount(), 6);
    EXPECT_EQ(grid.Model().IdOf(grid.Model().index(0, 0)), 20) << "sorted by name";
    grid.RemoveProperty(20);
    grid.SetAlphabetical(false);
    EXPECT_EQ(grid.Model().PropertiesOf(kGroupB), (std::vector<int>{kHd, kFixed}));
    // Values set by a refresh are the reference; a committed change shows in bold.
    grid.ResetOriginalValues();
    ASSERT_TRUE(grid.Model().Commit(kFrequency, 10714));
    EXPECT_TRUE(
        grid.Model().data(grid.Model().IndexOf(kFrequency), Qt::FontRole).value<QFont>().bold());
}

} // namespace
