#pragma once
// Framework-internal: draws a MenuItem tree as a real QMenuBar. Only framework
// sources include this.
#include <QKeySequence>
#include "framework/menu.h"

class QMenuBar;
class QWidget;

namespace fw {

// A menu bar showing root's children as its menus. The model stays the single truth:
// captions, check marks, enabled states and appended items follow it; choosing an
// item (or its shortcut) calls TheApplication()->ChooseMenuItem(name); before a menu
// shows, the menus are brought up to date (Application::UpdateMenuItems). When two
// items carry the same shortcut, the first in menu order takes it and the other shows
// none. The tree must outlive the bar or be destroyed before it; either order is safe.
QMenuBar* CreateQMenuBar(MenuItem& root, QWidget* parent);

// "Cmd+X" (and "Cmd+Shift+X", "Option+X") in the program's vocabulary as a key
// sequence: Cmd is Ctrl here. Empty for "" or text that names no key.
QKeySequence MenuShortcutToKeySequence(const String& shortcut);

}  // namespace fw
