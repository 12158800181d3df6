#include "CornerMarker.h"

#include <QCoreApplication>
#include <QPainter>

QImage drawnCornerMarker()
{
    QImage img(kCornerMarkerWidth, kCornerMarkerHeight, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    // The corner line sits 5 px from the left edge: the marker is placed 5 px
    // left of the segment start, so this line falls on the start.
    p.drawPolyline(QPolygon({QPoint(5, 2), QPoint(5, 17), QPoint(21, 17)}));
    p.setPen(QPen(Qt::black, 1));
    p.drawPolyline(QPolygon({QPoint(5, 11), QPoint(11, 11), QPoint(11, 17)}));
    return img;
}

QString cornerMarkerPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/images/90ok1.bmp");
}

QImage loadCornerMarker(const QString& path)
{
    QImage img(path);
    return img.isNull() ? drawnCornerMarker() : img;
}
