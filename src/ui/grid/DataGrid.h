#pragma once
// A read-only grid bound to the rows of one query. Columns name a caption and
// a field; rows can be coloured. Columns are sized from the widest text drawn
// so far per column (MeasureGridCell while painting, and the rows on screen
// at the time of the fit), never by reading every row: a project's bills grid
// may hold thousands.
#include "data/RecordSet.h"

#include <QColor>
#include <QHash>
#include <QTableView>
#include <functional>

struct GridColumn {
    QString caption;
    QString field;   // empty: a column without a field
};

class RecordModel;

class DataGrid : public QTableView {
    Q_OBJECT
public:
    explicit DataGrid(QWidget* parent = nullptr);

    void setColumns(const QList<GridColumn>& columns);
    // Shows the rows; the grid counts as loaded from then on.
    void setRecords(RecordSet records);
    // Empties the grid but keeps it loaded (a failed list shows no rows).
    void clearRecords();
    bool isLoaded() const { return m_loaded; }
    const RecordSet& records() const;
    int rowCount() const;

    // Row of the current cell, -1 without rows.
    int currentRecord() const;
    void setCurrentRecord(int row);
    QVariant currentValue(const QString& field) const;
    QString currentText(const QString& field) const;

    // Text colour per row (for example red for corner bills).
    void setRowColor(std::function<QColor(const RecordSet&, int row)> color);

    // Every visible column gets max(widest drawn text, title) + margin;
    // nothing before the first load.
    void FitGridColumns(int margin = 5);
    // Remembers the width of a text drawn in the column.
    void MeasureGridCell(int column, const QString& text);

signals:
    // A cell was clicked (or a row activated with Enter).
    void cellClicked(int row);

private:
    RecordModel* m_model;
    QHash<int, int> m_widest;   // column -> pixels of the widest drawn text
    bool m_loaded = false;
};
