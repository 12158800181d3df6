#include "ChildWindows.h"

#include "AppContext.h"
#include "ui/projects/Tfrm_Quellar.h"
#include "ui/workspace/Tfrm_Feeding.h"
#include "ui/basedata/Tfrm_Parts.h"
#include "ui/basedata/Tfrm_color.h"
#include "ui/basedata/Tfrm_craftwork.h"
#include "ui/basedata/Tfrm_mainmaterial.h"

#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>
#include <functional>
#include <map>

namespace {

using Factory = std::function<QWidget*(AppContext&, QWidget*)>;

struct Entry {
    QString instanceName;
    QString caption;
    Factory factory;   // empty: the window is not available yet
};

// One row per navigation item that opens a child window.
const std::vector<Entry>& entries()
{
    static const std::vector<Entry> table = {
        {"frm_Quellar1", QStringLiteral("工程管理"), [](AppContext& c, QWidget* p) { return new Tfrm_Quellar(c, p); }},
        {"frm_Feeding1", QStringLiteral("辅助下料"), [](AppContext& c, QWidget* p) { return new Tfrm_Feeding(c, p); }},
        {"frm_mapDocumentManage1", QStringLiteral("图文档管理"), {}},
        {"frm_mainmaterial1", QStringLiteral("主材管理"), [](AppContext& c, QWidget* p) { return new Tfrm_mainmaterial(c, p); }},
        {"frm_Parts1", QStringLiteral("配件管理"), [](AppContext& c, QWidget* p) { return new Tfrm_Parts(c, p); }},
        {"frm_color1", QStringLiteral("颜色管理"), [](AppContext& c, QWidget* p) { return new Tfrm_color(c, p); }},
        {"frm_craftwork1", QStringLiteral("工艺管理"), [](AppContext& c, QWidget* p) { return new Tfrm_craftwork(c, p); }},
        {"frm_user1", QStringLiteral("用户及权限设置"), {}},
    };
    return table;
}

QWidget* notAvailableYet(const QString& caption, QWidget* parent)
{
    auto* w = new QWidget(parent);
    w->setWindowTitle(caption);
    auto* layout = new QVBoxLayout(w);
    auto* label = new QLabel(QStringLiteral("“%1”窗口尚未提供。").arg(caption), w);
    label->setAlignment(Qt::AlignCenter);
    layout->addWidget(label);
    return w;
}

} // namespace

QWidget* createChildWindow(const QString& instanceName, AppContext& ctx, QWidget* parent)
{
    for (const auto& e : entries()) {
        if (e.instanceName != instanceName)
            continue;
        QWidget* w = e.factory ? e.factory(ctx, parent) : notAvailableYet(e.caption, parent);
        w->setObjectName(instanceName);
        if (w->windowTitle().isEmpty())
            w->setWindowTitle(e.caption);
        return w;
    }
    return nullptr;
}

QStringList childWindowNames()
{
    QStringList names;
    for (const auto& e : entries())
        names << e.instanceName;
    return names;
}
