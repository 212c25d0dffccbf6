#pragma once
// Every control class of the framework.
#include "framework/buttons.h"
#include "framework/canvas.h"
#include "framework/contextual_menu.h"
#include "framework/control.h"
#include "framework/edit_field.h"
#include "framework/listbox.h"
#include "framework/progress_bar.h"
#include "framework/shapes.h"
#include "framework/static_text.h"
