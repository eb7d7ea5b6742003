#pragma once
// The pictures of the tool bar buttons, drawn rather than shipped.

#include <QIcon>
#include <QString>

namespace kv::gui {

// The icon of the tool button of that object name ("NewBtn", "CalcBtn", ...).
QIcon ToolIcon(const QString& name);

} // namespace kv::gui
