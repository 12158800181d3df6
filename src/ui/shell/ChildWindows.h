#pragma once
// The child windows of the navigation bar, found by instance name
// ("frm_Feeding1", ...). Each subsystem adds its window to the table in
// ChildWindows.cpp; a name without a window yet gets a page saying so.
#include <QString>
#include <QStringList>

class QWidget;
struct AppContext;

// A new child window for the instance name, or nullptr for an unknown name.
QWidget* createChildWindow(const QString& instanceName, AppContext& ctx, QWidget* parent);

// Instance names of the navigation items, in navigation order.
QStringList childWindowNames();
