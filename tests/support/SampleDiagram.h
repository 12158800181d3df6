#pragma once
// The division diagram of a plain straight piece, as the editors export it
// before storing it ("BillID_<id>.bmp"). Header-only so that the benchmarks
// can use it without the test support library.
#include "core/DiagramCanvas.h"
#include "core/DivisionDiagram.h"
#include "core/GuardrailLayout.h"

#include <QImage>

inline QImage sampleDiagram(double length, double height = 1100)
{
    LayoutInput in;
    in.Guardraillen = length;
    in.GuardrailHeight = height;
    in.LeftValue = in.Rightvalue = in.TopValue = in.lowerValue = 100;
    in.ColumnMaxSpace = 1200;
    in.StandPipeSpace = in.FixedValue = 110;
    in.HandrailWidth = 50;
    in.ColumnWidth = 50;
    in.CrosspieceWidth = 20;
    in.standpipeWidth = 20;
    GuardrailLayout g;
    if (!AccountingGuardrail(in, g))
        return {};
    DiagramCanvas canvas;
    drawGuardrail(canvas, in, g);
    return exportBitmap(canvas.image(), length);
}
