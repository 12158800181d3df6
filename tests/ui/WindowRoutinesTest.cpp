#include "ui/shell/WindowRoutines.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFrame>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSqlQueryModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTextEdit>
#include <QVBoxLayout>
#include <gtest/gtest.h>

TEST(WindowRoutines, ClearEditsEmptiesOnlyEditsPlacedDirectlyOnTheForm)
{
    QWidget form;
    auto* layout = new QVBoxLayout(&form);
    auto* line = new QLineEdit("a", &form);
    auto* memo = new QTextEdit("b", &form);
    auto* plain = new QPlainTextEdit("c", &form);
    auto* combo = new QComboBox(&form);
    combo->setEditable(true);
    combo->setEditText("d");
    auto* panel = new QFrame(&form);
    auto* nested = new QLineEdit("e", panel);
    for (QWidget* w : {static_cast<QWidget*>(line), static_cast<QWidget*>(memo), static_cast<QWidget*>(plain),
                       static_cast<QWidget*>(combo), static_cast<QWidget*>(panel)})
        layout->addWidget(w);

    ClearEdits(&form);
    EXPECT_TRUE(line->text().isEmpty());
    EXPECT_TRUE(memo->toPlainText().isEmpty());
    EXPECT_TRUE(plain->toPlainText().isEmpty());
    EXPECT_EQ(combo->currentText(), "d");
    EXPECT_EQ(nested->text(), "e");

    ClearEdits(panel);
    EXPECT_TRUE(nested->text().isEmpty());
}

TEST(WindowRoutines, EditTextTrimsBlanksAndSetTodayShowsToday)
{
    QLineEdit edit(QStringLiteral("  张三 A'B \t"));
    EXPECT_EQ(EditText(&edit), QStringLiteral("张三 A'B"));

    QDateEdit picker(QDate(2001, 2, 3));
    SetToday(&picker);
    EXPECT_EQ(picker.date(), QDate::currentDate());
}

class FitGridColumnsTest : public ::testing::Test {
protected:
    void SetUp() override { grid.resize(800, 300); }
    int textWidth(const QString& s) const { return QFontMetrics(grid.font()).horizontalAdvance(s); }
    QTableView grid;
};

TEST_F(FitGridColumnsTest, GridWithoutOpenDataSetIsLeftAlone)
{
    FitGridColumns(&grid, 5);   // no model at all
    QSqlQueryModel closed;
    grid.setModel(&closed);
    FitGridColumns(&grid, 5);   // a query model that never ran a query
    EXPECT_EQ(closed.columnCount(), 0);
}

TEST_F(FitGridColumnsTest, ColumnsFitTheirWidestTextOrTitlePlusMargin)
{
    QStandardItemModel model(3, 3);
    model.setHorizontalHeaderLabels({QStringLiteral("名称"), QStringLiteral("很长很长的一个列标题文字"), "x"});
    model.setItem(0, 0, new QStandardItem(QStringLiteral("短")));
    model.setItem(1, 0, new QStandardItem(QStringLiteral("一个相当长的材料名称 60*60*1.2")));
    model.setItem(2, 1, new QStandardItem("1"));
    model.setItem(0, 2, new QStandardItem("hidden text that is long"));
    grid.setModel(&model);
    grid.setColumnHidden(2, true);

    FitGridColumns(&grid, 5);
    const QString widest = QStringLiteral("一个相当长的材料名称 60*60*1.2");
    EXPECT_GE(grid.columnWidth(0), textWidth(widest) + 5);
    EXPECT_LT(grid.columnWidth(0), textWidth(widest) + 30);
    // The title is wider than the cell text: the title decides.
    EXPECT_GE(grid.columnWidth(1), grid.horizontalHeader()->sectionSizeHint(1) + 5);
    EXPECT_TRUE(grid.isColumnHidden(2));

    // A wider text drawn earlier (MeasureGridCell) is kept.
    const QString drawn = widest + widest;
    MeasureGridCell(&grid, 0, drawn);
    FitGridColumns(&grid, 5);
    EXPECT_GE(grid.columnWidth(0), textWidth(drawn) + 5);
}
