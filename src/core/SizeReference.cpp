#include "SizeReference.h"

namespace SizeReference {

QStringList tickCaptions()
{
    return {QStringLiteral("加上（面管宽度/2）"), QStringLiteral("减去（面管宽度/2）"),
            QStringLiteral("加上（面管宽度）"), QStringLiteral("减去（面管宽度）"),
            QStringLiteral("加上（立柱宽度/2）"), QStringLiteral("加上（立柱宽度）"),
            QStringLiteral("减去（立柱宽度/2）"), QStringLiteral("减去（立柱宽度）")};
}

double byTicks(double x, double hw, double cw, const Ticks& ticks)
{
    const double terms[TickCount] = {hw / 2, -hw / 2, hw, -hw, cw / 2, cw, -cw / 2, -cw};
    double r = x;
    for (int i = 0; i < TickCount; ++i) {
        if (ticks[i])
            r += terms[i];
    }
    return r;
}

const std::array<JointType, 5>& jointTypes()
{
    static const std::array<JointType, 5> types = {{
        {QStringLiteral("一端L转角，一端不跨间距对接"), QStringLiteral("输入尺寸-面管宽度/2-立柱宽度/2")},
        {QStringLiteral("一端L转角，一端末端"), QStringLiteral("输入尺寸-面管宽度/2")},
        {QStringLiteral("两端L转角"), QStringLiteral("输入尺寸-面管宽度")},
        {QStringLiteral("一端跨间距对接，一端L转角"), QStringLiteral("输入尺寸-面管宽度/2+立柱宽度/2")},
        {QStringLiteral("一端跨间距对接，一端末端"), QStringLiteral("输入尺寸+立柱宽度/2")},
    }};
    return types;
}

double byJoint(int item, double x, double hw, double cw)
{
    switch (item) {
    case 0: return x - hw / 2 - cw / 2;
    case 1: return x - hw / 2;
    case 2: return x - hw;
    case 3: return x - hw / 2 + cw / 2;
    case 4: return x + cw / 2;
    }
    return x;
}

} // namespace SizeReference
