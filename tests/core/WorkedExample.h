#pragma once
// The sizes of the reference examples: hh 50, Wc 50, Wx 20, Ws 20, H 1100,
// margins 100, Cmax 1200, S = F = T = 110, no allowances, handrail and both
// rails, L 2400.
#include "core/GuardrailLayout.h"

inline LayoutInput workedInput()
{
    LayoutInput in;
    in.Guardraillen = 2400;
    in.GuardrailHeight = 1100;
    in.LeftValue = in.Rightvalue = in.TopValue = in.lowerValue = 100;
    in.ColumnMaxSpace = 1200;
    in.StandPipeSpace = in.FixedValue = in.TwoSpace = 110;
    in.HandrailWidth = 50;
    in.ColumnWidth = 50;
    in.CrosspieceWidth = 20;
    in.standpipeWidth = 20;
    in.handrailname = "H1";
    in.ColumnName = "C1";
    in.CrosspieceName = "X1";
    in.standpipeName = "S1";
    in.glassName = "G8";
    return in;
}
