// layout: the straight-piece computation for scripts. JSON Lines in on stdin,
// one JSON object out per input line, in the same order.
#include "Ctl.h"
#include "LayoutJson.h"

#include "core/DivisionDiagram.h"

#include <QFileInfo>

namespace {

// One piece. The canvas is shared by all lines, as an editor keeps one.
QJsonObject layoutPiece(const QJsonObject& o, DiagramCanvas& canvas)
{
    const LayoutInput in = readLayoutInput(o);
    if (auto s = checkLayoutLength(in.LeftValue, in.Rightvalue, in.ColumnWidth, in.Guardraillen); !s)
        return errorJson(s.error);
    GuardrailLayout g;
    if (auto s = AccountingGuardrail(in, g); !s)
        return errorJson(s.error);

    QJsonObject out = layoutJson(g);
    out.insert("summary", summaryJson(loadMainMaterSummary(in, g)));
    out.insert("caption", DivisionCaption(in, g));

    const QString diagram = o.value("diagram").toString();
    if (!diagram.isEmpty()) {
        drawGuardrail(canvas, in, g);
        const QString folder = QFileInfo(diagram).absolutePath();
        if (auto s = SaveBmpFromPaintBox(canvas.image(), folder, diagram, in.Guardraillen); !s)
            return errorJson(s.error);
    }
    return out;
}

} // namespace

int cmdLayout(CtlContext&, const QStringList& args)
{
    CtlArgs(args, {});
    DiagramCanvas canvas;
    runJsonLines([&canvas](const QJsonObject& o) { return layoutPiece(o, canvas); });
    return 0;
}
