#pragma once
// 默认参数设置: the logged-in user's default feeding parameters.
#include "data/FeedingParams.h"

#include <QDialog>
#include <QMap>

struct AppContext;
class QLineEdit;
class QRadioButton;

class Tfrm_defaultParams : public QDialog {
public:
    Tfrm_defaultParams(AppContext& ctx, QWidget* parent = nullptr);

    // The box of a paramsDefault column ("totalHeight", "bmpPath", ...).
    QLineEdit* box(const QString& column) const { return m_boxes.value(column); }
    QRadioButton* fixedSpacingItem() const { return m_fixedItem; }
    QRadioButton* equalDivisionItem() const { return m_divideItem; }

    void loadParams();
    void BitBtn1Click();   // 保存

private:
    void buildForm();
    void showParams(const FeedingParams& p);
    FeedingParams paramsFromBoxes() const;

    AppContext& m_ctx;
    QMap<QString, QLineEdit*> m_boxes;
    QRadioButton* m_fixedItem = nullptr;
    QRadioButton* m_divideItem = nullptr;
};
