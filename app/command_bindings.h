#pragma once
// The menu commands of the application object, bound by menu item name.
#include <array>

#include "app/app.h"

struct CommandBinding {
  const char* item;         // the menu item's name
  bool (App::*handler)();   // none yet: the item does nothing when chosen
};

// The 26 commands in binding order. A command whose handler has not been written yet
// carries none and is left unbound.
const std::array<CommandBinding, 26>& CommandBindings();

// Binds every command that has a handler on the registered application object.
void _ApplicationAddMenuHandlers();
