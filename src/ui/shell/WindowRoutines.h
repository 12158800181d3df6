#pragma once
// Small routines most windows use for their edit boxes and grids.
#include <QString>

class QAbstractItemView;
class QDateTimeEdit;
class QLineEdit;
class QTableView;
class QWidget;

// Empties every single- and multi-line edit box placed directly on the form
// or panel (edits inside nested panels keep their text).
void ClearEdits(QWidget* formOrPanel);

// The edit's text without leading and trailing blanks.
QString EditText(const QLineEdit* edit);

// Sets a date picker to now (the picker shows the date).
void SetToday(QDateTimeEdit* picker);

// Keeps, per column of the grid, the widest display text drawn so far (in
// the grid's font). Grids call it while drawing cells; installGridMeasure
// wires that up with a delegate.
void MeasureGridCell(QAbstractItemView* grid, int column, const QString& displayText);
void installGridMeasure(QTableView* grid);

// Sizes every visible column to its widest text (kept by MeasureGridCell or
// read from the grid's rows) or its title, whichever is wider, plus the
// margin; the style's own cell padding comes on top so no text is cut.
// Does nothing when the grid shows no data set. Callers pass 5.
void FitGridColumns(QTableView* grid, int margin = 5);
