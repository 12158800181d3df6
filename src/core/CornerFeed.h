#pragma once
// The corner pass: every filled segment of a corner piece laid out like a
// straight single-column piece with a handrail, summarised and drawn side by
// side into one diagram. Both corner windows own one CornerBatch and call
// BatchCornerFeed after each change; the save reads what the last pass left.
#include "core/CornerDiagram.h"
#include "core/CornerModel.h"
#include "core/CornerSummary.h"
#include "core/GuardrailLayout.h"

#include <QList>
#include <optional>

// The whole piece as the window's boxes hold it. `shared` carries the shared
// settings (height, 每档<=, model sizes and names, rails, infill, spacing
// rule, allowances); its ColumnMargin and CrosspieceMargin are the common
// margins and its mode tells the add window from the edit window. Its
// length, margins and column/handrail switches are set per segment.
struct CornerPieceInput {
    LayoutInput shared;
    CornerSegmentInputs segments;
};

// One computed segment, as it stood before the drawing reset its layout.
struct CornerSegmentResult {
    int segment = 0; // 1-based
    CornerMode mode = CornerMode::None;
    double layoutLength = 0;
    double startX = 0;
    GuardrailLayout layout;
    corner::TMainMaterArr summary;
    QString caption;
};

// Why a pass stopped, naming the segment (1-based; 0: not tied to one).
struct CornerPassError {
    int segment = 0;
    QString message;

    // "第三段：" + message, the text shown to the user.
    QString text() const;
};

struct CornerPassResult {
    QList<CornerSegmentResult> segments; // the segments computed, in order
    std::optional<CornerPassError> error;

    bool ok() const { return !error.has_value(); }
};

// Shown for a filled segment whose previous row is empty: its start in the
// diagram needs the previous length.
extern const QString kCornerGapText;
// Shown for a filled segment without a corner type.
extern const QString kCornerModeMissingText;

class CornerBatch {
public:
    CornerBatch();

    // The pass. Lists, caption and diagram are rebuilt from scratch, so after
    // an early stop they hold exactly the segments computed.
    CornerPassResult BatchCornerFeed(const CornerPieceInput& in);

    // Forgets everything a pass carries to the next (values in force, hole
    // values, lists), so that the next pass depends on its input alone.
    void reset();

    const corner::CornerSegmentLists& lists() const { return m_lists; }
    const QList<double>& segmentLengths() const { return m_lists.segmentLengths; }
    const QList<corner::TSegmentHoles>& segmentHoles() const { return m_lists.segmentHoles; }
    const corner::TMainMaterArrTwodimen& cornerSummary() const { return m_lists.cornerSummary; }
    double getimgwidth() const { return corner::getimgwidth(m_lists.segmentLengths); }

    // The caption line built last: what the save stores as feedSubFieldstr.
    const QString& caption() const { return m_caption; }

    // Margins last taken by a pass. Before the first pass the window seeds the
    // top and bottom margins from the user's parameters (margin presets use them).
    const CornerValuesInForce& valuesInForce() const { return m_inForce; }
    // Layout length of the segment computed last (0 before any): the limit of
    // the allowance, 竖杆最大间距 and 固定间距值 checks on Enter
    // (enteredValueValid with this as Guardraillen).
    double currentLayoutLength() const { return m_currentLayoutLength; }
    void setValuesInForce(const CornerValuesInForce& v) { m_inForce = v; }

    // The picture of the latest pass and its export (the save's bitmap).
    CornerDiagram& diagram() { return m_diagram; }

private:
    // Segment k (1-based) whose 长度 box reads inputLen; appends it to out.
    std::optional<CornerPassError> computeSegment(const CornerPieceInput& in, int k, double inputLen, double startX,
                                                  CornerPassResult& out);

    CornerDiagram m_diagram;
    GuardrailLayout m_layout; // keeps the hole values of the last fixed-spacing run
    corner::CornerSegmentLists m_lists;
    CornerValuesInForce m_inForce;
    QString m_caption;
    double m_currentLayoutLength = 0;
};

// The caption line of one segment: "序号：" + order number, then the straight
// caption of its layout length and total height.
QString cornerCaption(const QString& suitNum, const LayoutInput& segment, const GuardrailLayout& g);
