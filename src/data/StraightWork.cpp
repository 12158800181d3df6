#include "StraightWork.h"

#include "core/DivisionDiagram.h"
#include "core/Numeric.h"

#include <QFileInfo>

StraightWork::StraightWork()
    : m_canvas(std::make_unique<DiagramCanvas>())
{
}

StraightWork::~StraightWork() = default;

void StraightWork::takeModel(int category, const MaterialModel& m)
{
    if (category == kGlassCategory)
        setGlass(m.mainmaterialID, m.Thick);
    else if (category == kHandrailCategory)
        setModel(category, m.mainmaterialID, m.length.toDouble(), m.Width.toDouble());
    else
        setModel(category, m.mainmaterialID, m.Width.toDouble());
}

void StraightWork::setModel(int category, const QString& id, double dimension, double handrailWidth)
{
    switch (category) {
    case kHandrailCategory:
        m_handrail = {id, handrailWidth};
        in.HandrailWidth = dimension;
        break;
    case kColumnCategory:
        m_column = {id, dimension};
        in.ColumnWidth = dimension;
        break;
    case kCrosspieceCategory:
        m_crosspiece = {id, dimension};
        in.CrosspieceWidth = dimension;
        break;
    case kStandpipeCategory:
        m_standpipe = {id, dimension};
        in.standpipeWidth = dimension;
        break;
    default:
        break;
    }
}

void StraightWork::setGlass(const QString& id, const QString& thick)
{
    m_glass = {id, 0};
    m_glassThick = thick;
}

void StraightWork::resetHoles()
{
    m_layout.CrosspieceHoleNum = 0;
    m_layout.CrosspieceHolePosition = 0;
}

void StraightWork::setSwitches(bool handrail, bool doubleColumns, bool topRail, bool lowRail, bool glass,
                               bool fixedSpacing)
{
    in.HandrailHas = handrail;
    in.ColumnIsTwo = doubleColumns;
    in.CrosspieceTopHas = topRail;
    in.CrosspieceLowHas = lowRail;
    in.Standpipetype = glass ? 1 : 0;
    in.spaceCalmethod = fixedSpacing ? 1 : 0;
}

void StraightWork::setDiagramLists(const QString& removedColumns, const QString& bays, const QString& standpipes)
{
    in.removedColumns = removedColumns.trimmed();
    in.replacedBays = bays.trimmed();
    in.replacedStandpipes = standpipes.trimmed();
}

void StraightWork::setTexts(const QString& length, const QString& height, const QString& handrailLength)
{
    in.lengthText = length.trimmed();
    in.heightText = height.trimmed();
    m_handrailLengthText = handrailLength.trimmed();
}

QString StraightWork::compute()
{
    if (in.lengthText.isEmpty())
        return {};
    in.handrailLength.reset();
    if (!m_handrailLengthText.isEmpty()) {
        in.handrailLength = parseNumber(m_handrailLengthText);
        if (!in.handrailLength)
            return QStringLiteral("面管长度不是有效的数字，请检查输入");
    }
    in.mode = addMode ? LayoutInput::Mode::Add : LayoutInput::Mode::Edit;
    setModename(in, m_pickers);
    GuardrailLayout g = m_layout;   // keeps the hole values of the last fixed-spacing run
    const LayoutStatus status = AccountingGuardrail(in, g);
    if (!status)
        return status.error;
    m_layout = g;
    m_computed = true;
    m_summary = loadMainMaterSummary(in, m_layout);
    m_caption = DivisionCaption(in, m_layout);
    return {};
}

QString StraightWork::handrailPreset(int presetIndex, double L) const
{
    const auto preset = presetIndex == 0 ? HandrailPreset::OneEndLCorner : HandrailPreset::BothEndsLCorner;
    return numberText(handrailPresetLength(preset, L, m_handrail.width));
}

QString StraightWork::adjustSummary(SummaryRow row, const QString& kText)
{
    return adjustSummaryCount(m_summary, row, kText).error;
}

QList<QStringList> StraightWork::summaryRows() const
{
    QList<QStringList> rows;
    if (!m_computed)
        return rows;
    for (const TMainMaterSummary& r : m_summary)
        rows << QStringList{r.title, r.model, r.size, r.count};
    return rows;
}

void StraightWork::draw()
{
    drawGuardrail(*m_canvas, in, m_layout, m_computed && !in.lengthText.isEmpty());
}

const QImage& StraightWork::canvas() const
{
    return m_canvas->image();
}

bool StraightWork::exportBmp(const QString& path, double L) const
{
    return SaveBmpFromPaintBox(m_canvas->image(), QFileInfo(path).absolutePath(), path, L).isOk();
}

StraightBill StraightWork::billValues() const
{
    StraightBill b;
    b.handrailID = m_handrail.id;
    b.handrailname = in.handrailname;
    b.HandrailWidth = in.HandrailWidth;
    b.ColumnID = m_column.id;
    b.ColumnName = in.ColumnName;
    b.ColumnWidth = in.ColumnWidth;
    b.CrosspieceID = m_crosspiece.id;
    b.CrosspieceName = in.CrosspieceName;
    b.CrosspieceWidth = in.CrosspieceWidth;
    b.standpipeID = m_standpipe.id;
    b.standpipeName = in.standpipeName;
    b.standpipeWidth = in.standpipeWidth;
    b.glassID = m_glass.id;
    b.glassName = in.glassName;
    b.glassThick = m_glassThick;
    b.CrosspieceHoleNum = QString::number(m_layout.CrosspieceHoleNum);
    b.CrosspieceHolePosition = numberText(m_layout.CrosspieceHolePosition);
    b.feedSubFieldstr = m_caption;
    for (size_t i = 0; i < m_summary.size(); ++i)
        b.results[i] = {m_summary[i].size, m_summary[i].count};
    return b;
}
