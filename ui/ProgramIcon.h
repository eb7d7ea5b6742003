#pragma once
// The program's icon, drawn rather than shipped: a pools ticket with marked
// boxes and a football. The application's window icon and the about box use it.

#include <QIcon>

namespace kv::gui {

QIcon ProgramIcon();

} // namespace kv::gui
