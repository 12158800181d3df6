#include "DataGrid.h"

#include <QStyle>
#include <QStyledItemDelegate>

#include <QAbstractTableModel>
#include <QHeaderView>

class RecordModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setColumns(const QList<GridColumn>& columns)
    {
        beginResetModel();
        m_columns = columns;
        mapColumns();
        endResetModel();
    }
    void setRecords(RecordSet records)
    {
        beginResetModel();
        m_records = std::move(records);
        mapColumns();
        endResetModel();
    }
    const RecordSet& records() const { return m_records; }
    const GridColumn& column(int c) const { return m_columns.at(c); }
    void setRowColor(std::function<QColor(const RecordSet&, int)> f) { m_rowColor = std::move(f); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : m_records.rowCount(); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_columns.size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid())
            return {};
        if (role == Qt::DisplayRole) {
            const int src = m_sourceColumn.value(index.column(), -1);
            return src < 0 ? QString() : displayText(m_records.rows.at(index.row()).at(src));
        }
        if (role == Qt::ForegroundRole && m_rowColor)
            return m_rowColor(m_records, index.row());
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        if (orientation == Qt::Horizontal)
            return section < m_columns.size() ? m_columns.at(section).caption : QString();
        return {};
    }

private:
    // Grid column -> record column, looked up once per load.
    void mapColumns()
    {
        m_sourceColumn.clear();
        for (int c = 0; c < m_columns.size(); ++c)
            m_sourceColumn.push_back(m_columns.at(c).field.isEmpty() ? -1 : m_records.column(m_columns.at(c).field));
    }

    QList<GridColumn> m_columns;
    QVector<int> m_sourceColumn;
    RecordSet m_records;
    std::function<QColor(const RecordSet&, int)> m_rowColor;
};


namespace {

// Rows a grid that has not been laid out yet counts as its screen.
constexpr int kUnlaidRows = 40;

// Keeps the widest text drawn per column, for FitGridColumns.
class MeasuringDelegate : public QStyledItemDelegate {
public:
    explicit MeasuringDelegate(DataGrid* grid) : QStyledItemDelegate(grid), m_grid(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyledItemDelegate::paint(painter, option, index);
        m_grid->MeasureGridCell(index.column(), index.data(Qt::DisplayRole).toString());
    }

private:
    DataGrid* m_grid;
};

} // namespace

DataGrid::DataGrid(QWidget* parent)
    : QTableView(parent)
    , m_model(new RecordModel(this))
{
    setModel(m_model);
    setItemDelegate(new MeasuringDelegate(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setVisible(false);
    horizontalHeader()->setHighlightSections(false);
    connect(this, &QTableView::clicked, this, [this](const QModelIndex& i) { emit cellClicked(i.row()); });
    connect(this, &QTableView::activated, this, [this](const QModelIndex& i) { emit cellClicked(i.row()); });
}

void DataGrid::setColumns(const QList<GridColumn>& columns)
{
    m_model->setColumns(columns);
    m_widest.clear();
}

void DataGrid::setRecords(RecordSet records)
{
    m_model->setRecords(std::move(records));
    m_loaded = true;
}

void DataGrid::clearRecords()
{
    setRecords(RecordSet{m_model->records().fields, {}});
}

const RecordSet& DataGrid::records() const
{
    return m_model->records();
}

int DataGrid::rowCount() const
{
    return m_model->rowCount();
}

int DataGrid::currentRecord() const
{
    if (rowCount() == 0)
        return -1;
    const QModelIndex i = currentIndex();
    return i.isValid() ? i.row() : 0;
}

void DataGrid::setCurrentRecord(int row)
{
    if (row < 0 || row >= rowCount())
        return;
    const QModelIndex i = m_model->index(row, 0);
    setCurrentIndex(i);
    scrollTo(i);
}

QVariant DataGrid::currentValue(const QString& field) const
{
    return records().value(currentRecord(), field);
}

QString DataGrid::currentText(const QString& field) const
{
    return records().text(currentRecord(), field);
}

void DataGrid::setRowColor(std::function<QColor(const RecordSet&, int)> color)
{
    m_model->setRowColor(std::move(color));
}

void DataGrid::FitGridColumns(int margin)
{
    if (!m_loaded)
        return;
    // The rows on screen count as drawn even before they are painted; a grid
    // not laid out yet counts its first screenful.
    int first = 0;
    int last = std::min(rowCount(), kUnlaidRows) - 1;
    const int height = viewport()->height();
    if (height > 0 && rowCount() > 0) {
        first = std::max(0, rowAt(0));
        last = rowAt(height - 1);
        if (last < 0)
            last = rowCount() - 1;
    }
    for (int row = first; row <= last; ++row)
        for (int c = 0; c < m_model->columnCount(); ++c)
            MeasureGridCell(c, m_model->index(row, c).data().toString());

    const QFontMetrics titleMetrics(horizontalHeader()->font());
    const int cellPad = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1);
    for (int c = 0; c < m_model->columnCount(); ++c) {
        if (isColumnHidden(c))
            continue;
        const int text = m_model->column(c).field.isEmpty() ? 0 : m_widest.value(c, 0) + cellPad;
        setColumnWidth(c, std::max(text, horizontalHeader()->sectionSizeHint(c)) + margin);
    }
    viewport()->update();
}

void DataGrid::MeasureGridCell(int column, const QString& text)
{
    int& widest = m_widest[column];
    widest = std::max(widest, fontMetrics().horizontalAdvance(text));
}
