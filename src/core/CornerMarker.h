#pragma once
// The small corner symbol drawn where a segment turns a corner. It ships as
// images/90ok1.bmp beside the program; when that file is missing or
// unreadable the same symbol is painted instead, so the diagram never lacks it.
#include <QImage>
#include <QString>

inline constexpr int kCornerMarkerWidth = 24;
inline constexpr int kCornerMarkerHeight = 20;

// The symbol as painted by the program (white background, black L with a
// right-angle mark); the shipped file is this image.
QImage drawnCornerMarker();

// images/90ok1.bmp in the program folder.
QString cornerMarkerPath();

// The shipped file when readable, else the painted symbol.
QImage loadCornerMarker(const QString& path = cornerMarkerPath());
