#pragma once
// A grid model over a list of records: each column names its caption and how
// to read (and, for the columns edited in place, write) one record.
#include <QAbstractTableModel>
#include <QList>
#include <functional>

template <typename T>
class RowTableModel : public QAbstractTableModel {
public:
    struct Column {
        QString caption;
        std::function<QVariant(const T&)> value;
        bool checkBox = false;   // shows the value as a (read-only) check box
        bool editable = false;
    };
    // Writes one in-place edit; true when the record was changed.
    using Writer = std::function<bool(T& record, int column, const QVariant& value)>;

    explicit RowTableModel(QList<Column> columns, QObject* parent = nullptr)
        : QAbstractTableModel(parent), m_columns(std::move(columns))
    {
    }

    void setRows(QList<T> rows)
    {
        beginResetModel();
        m_rows = std::move(rows);
        endResetModel();
    }
    const QList<T>& rows() const { return m_rows; }
    const T& row(int i) const { return m_rows.at(i); }
    void setWriter(Writer w) { m_writer = std::move(w); }

    int rowCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_rows.size()); }
    int columnCount(const QModelIndex& parent = {}) const override { return parent.isValid() ? 0 : int(m_columns.size()); }

    QVariant data(const QModelIndex& index, int role) const override
    {
        if (!index.isValid() || index.row() >= m_rows.size())
            return {};
        const Column& c = m_columns.at(index.column());
        const T& r = m_rows.at(index.row());
        if (c.checkBox)
            return role == Qt::CheckStateRole ? QVariant(c.value(r).toBool() ? Qt::Checked : Qt::Unchecked) : QVariant();
        if (role == Qt::DisplayRole || role == Qt::EditRole)
            return c.value(r);
        return {};
    }

    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section < m_columns.size())
            return m_columns.at(section).caption;
        return QAbstractTableModel::headerData(section, orientation, role);
    }

    Qt::ItemFlags flags(const QModelIndex& index) const override
    {
        Qt::ItemFlags f = QAbstractTableModel::flags(index);
        if (index.isValid() && m_columns.at(index.column()).editable && m_writer)
            f |= Qt::ItemIsEditable;
        return f;
    }

    bool setData(const QModelIndex& index, const QVariant& value, int role) override
    {
        if (!index.isValid() || role != Qt::EditRole || !(flags(index) & Qt::ItemIsEditable))
            return false;
        if (!m_writer(m_rows[index.row()], index.column(), value))
            return false;
        emit dataChanged(index, index);
        return true;
    }

private:
    QList<Column> m_columns;
    QList<T> m_rows;
    Writer m_writer;
};
