#include "DiagramView.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>

DiagramView::DiagramView(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void DiagramView::setSource(Source source)
{
    m_source = std::move(source);
    if (m_source)
        setFixedSize(m_source().size());
    update();
}

QSize DiagramView::sizeHint() const
{
    return m_source ? m_source().size() : QSize(800, 249);
}

void DiagramView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    if (!m_source) {
        p.fillRect(event->rect(), Qt::white);
        return;
    }
    p.drawImage(event->rect(), m_source(), event->rect());
}
