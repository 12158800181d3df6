#include "WindowRoutines.h"

#include <QAbstractItemModel>
#include <QDateTime>
#include <QDateTimeEdit>
#include <QHash>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTextEdit>
#include <algorithm>

namespace {

// Rows read per column by FitGridColumns: enough for every screen of this
// system, bounded so that a huge grid still sizes at once. Rows beyond it
// count once they have been drawn.
constexpr int kMeasuredRows = 5000;

// The widest texts of one grid, kept on the grid itself.
class GridTextWidths : public QObject {
public:
    explicit GridTextWidths(QObject* grid) : QObject(grid) { setObjectName(kName); }
    static GridTextWidths* of(QAbstractItemView* grid, bool create)
    {
        auto* w = grid->findChild<GridTextWidths*>(kName, Qt::FindDirectChildrenOnly);
        if (!w && create)
            w = new GridTextWidths(grid);
        return w;
    }
    QHash<int, int> widths;   // model column -> pixels

private:
    static inline const QString kName = QStringLiteral("gridTextWidths");
};

class MeasuringDelegate : public QStyledItemDelegate {
public:
    MeasuringDelegate(QAbstractItemView* grid) : QStyledItemDelegate(grid), m_grid(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        MeasureGridCell(m_grid, index.column(), displayText(index.data(Qt::DisplayRole), m_grid->locale()));
        QStyledItemDelegate::paint(painter, option, index);
    }

private:
    QAbstractItemView* m_grid;
};

QString cellText(const QTableView* grid, const QModelIndex& index)
{
    const QVariant value = index.data(Qt::DisplayRole);
    if (auto* d = qobject_cast<QStyledItemDelegate*>(grid->itemDelegateForColumn(index.column())))
        return d->displayText(value, grid->locale());
    if (auto* d = qobject_cast<QStyledItemDelegate*>(grid->itemDelegate()))
        return d->displayText(value, grid->locale());
    return value.toString();
}

int widestRowText(const QTableView* grid, int column)
{
    const QAbstractItemModel* model = grid->model();
    const QFontMetrics fm(grid->font());
    const int rows = std::min(model->rowCount(), kMeasuredRows);
    int widest = 0;
    for (int row = 0; row < rows; ++row)
        widest = std::max(widest, fm.horizontalAdvance(cellText(grid, model->index(row, column))));
    return widest;
}

// Left and right padding the style puts around a cell's text.
int cellPadding(const QTableView* grid)
{
    return 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grid) + 1);
}

} // namespace

void ClearEdits(QWidget* formOrPanel)
{
    if (!formOrPanel)
        return;
    for (auto* e : formOrPanel->findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
        e->clear();
    for (auto* e : formOrPanel->findChildren<QTextEdit*>(Qt::FindDirectChildrenOnly))
        e->clear();
    for (auto* e : formOrPanel->findChildren<QPlainTextEdit*>(Qt::FindDirectChildrenOnly))
        e->clear();
}

QString EditText(const QLineEdit* edit)
{
    return edit ? edit->text().trimmed() : QString();
}

void SetToday(QDateTimeEdit* picker)
{
    if (picker)
        picker->setDateTime(QDateTime::currentDateTime());
}

void MeasureGridCell(QAbstractItemView* grid, int column, const QString& displayText)
{
    if (!grid || column < 0)
        return;
    const int width = QFontMetrics(grid->font()).horizontalAdvance(displayText);
    int& kept = GridTextWidths::of(grid, true)->widths[column];
    kept = std::max(kept, width);
}

void installGridMeasure(QTableView* grid)
{
    grid->setItemDelegate(new MeasuringDelegate(grid));
}

void FitGridColumns(QTableView* grid, int margin)
{
    if (!grid || !grid->model() || grid->model()->columnCount() == 0)
        return;
    const QAbstractItemModel* model = grid->model();
    QHeaderView* header = grid->horizontalHeader();
    const GridTextWidths* kept = GridTextWidths::of(grid, false);
    const int padding = cellPadding(grid);
    for (int column = 0; column < model->columnCount(); ++column) {
        if (grid->isColumnHidden(column))
            continue;
        int text = widestRowText(grid, column);
        if (kept)
            text = std::max(text, kept->widths.value(column, 0));
        const int title = header->sectionSizeHint(column);
        grid->setColumnWidth(column, std::max(text + padding, title) + margin);
    }
    grid->viewport()->update();
}
