#pragma once
// Handrail length reference (尺寸参考): the handrail length of a segment from
// its input size x, the handrail width hw and the column width cw, either by
// ticked additions and subtractions (方式一) or by joint type (方式二).
#include <QString>
#include <QStringList>
#include <array>

namespace SizeReference {

// The eight tick boxes of 方式一, applied in this order.
enum Tick {
    AddHalfHandrail, SubHalfHandrail, AddHandrail, SubHandrail,
    AddHalfColumn, AddColumn, SubHalfColumn, SubColumn,
    TickCount
};
using Ticks = std::array<bool, TickCount>;

QStringList tickCaptions();

// 方式一: x with each ticked term applied in the order of Tick.
double byTicks(double x, double handrailWidth, double columnWidth, const Ticks& ticks);

// 方式二: the five handrail joint types.
struct JointType {
    QString caption;
    QString formula; // shown in 公式定义
};
const std::array<JointType, 5>& jointTypes();

// The result of joint type item (0..4) for x; x unchanged for another item.
double byJoint(int item, double x, double handrailWidth, double columnWidth);

} // namespace SizeReference
