#pragma once
// The working state of one straight piece between its input boxes (or a
// JSON line) and the layout engine: the working values, the picked models,
// the last layout with its summary, and the diagram canvas. Turns that state
// into the bill value the save stores.
#include "FeedingBill.h"
#include "MaterialPicks.h"
#include "core/GuardrailLayout.h"
#include "core/MainMaterSummary.h"

#include <QImage>
#include <QList>
#include <QStringList>
#include <memory>

class DiagramCanvas;

struct ModelPick {
    QString id;
    double width = 0;   // Wc, Wx, Ws; the handrail's hw
};

class StraightWork {
public:
    StraightWork();
    ~StraightWork();
    StraightWork(const StraightWork&) = delete;
    StraightWork& operator=(const StraightWork&) = delete;

    // The working values, with the engine's names (the DetailBill columns).
    LayoutInput in;
    bool addMode = true;
    // paramsDefault / DetailBill text of the spacing method, kept as read.
    QString spaceCalmethodText;

    // The model a picker row stands for.
    void takeModel(int category, const MaterialModel& m);
    // Handrail: `dimension` is its vertical size hh and `handrailWidth` hw;
    // other categories: `dimension` is the model's width.
    void setModel(int category, const QString& id, double dimension, double handrailWidth = 0);
    void setGlass(const QString& id, const QString& thick);
    // The hole count and first hole distance start at 0 with the defaults.
    void resetHoles();

    // The switches of the window: 有无面管, 是否双立柱, 上横杆, 下横杆, 类型 玻璃, 间距固定.
    void setSwitches(bool handrail, bool doubleColumns, bool topRail, bool lowRail, bool glass, bool fixedSpacing);
    // Picker texts: the model names are the texts up to the first "-" (glass: the whole text).
    void setPickerTexts(const ModelPickerTexts& texts) { m_pickers = texts; }
    // Removed columns, replaced bays and replaced standpipes (comma lists).
    void setDiagramLists(const QString& removedColumns, const QString& bays, const QString& standpipes);
    // 长度 and 总高 as typed (caption, empty test) and 面管长度 (empty: the length).
    void setTexts(const QString& length, const QString& height, const QString& handrailLength);

    // Runs the computation; the message of a refused input, empty on success.
    // Nothing is computed while the length text is empty.
    QString compute();
    bool hasResult() const { return m_computed; }
    qint64 bayCount() const { return m_layout.bayCount; }
    const GuardrailLayout& layout() const { return m_layout; }
    // 面管长度 for an L-corner preset (0: one end, 1: both ends) of a piece of length L.
    QString handrailPreset(int presetIndex, double L) const;
    // Lowers the summary's column or standpipe count by the typed k (a
    // message when k is not a whole number).
    QString adjustSummary(SummaryRow row, const QString& kText);

    // The summary rows (title, model, size, count); none before the first computation.
    QList<QStringList> summaryRows() const;
    const MainMaterSummary& summary() const { return m_summary; }
    QString caption() const { return m_caption; }

    // Redraws the canvas from the last computation (blank while the length
    // text is empty).
    void draw();
    const QImage& canvas() const;
    // Writes the diagram as BMP for a piece of length L.
    bool exportBmp(const QString& path, double L) const;

    // Models, widths, glass, holes, caption and result rows of the bill.
    StraightBill billValues() const;

private:
    ModelPick m_handrail, m_column, m_crosspiece, m_standpipe, m_glass;
    QString m_glassThick;
    QString m_handrailLengthText;
    ModelPickerTexts m_pickers;
    bool m_computed = false;
    GuardrailLayout m_layout;
    MainMaterSummary m_summary;
    QString m_caption;
    std::unique_ptr<DiagramCanvas> m_canvas;   // one 20000-pixel canvas per piece
};
