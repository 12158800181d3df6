#pragma once
// Shows a division diagram canvas without copying it: paints the visible part
// of the image its source gives (the canvas belongs to the editor and
// finishes its painting when asked for the image).
#include <QWidget>
#include <functional>

class QImage;

class DiagramView : public QWidget {
public:
    explicit DiagramView(QWidget* parent = nullptr);
    using Source = std::function<const QImage&()>;
    void setSource(Source source);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Source m_source;
};
