#pragma once
// The main window's 215 members in creation order (which is also the drawing order: a
// later member lies in front), each with how it is made, the picture set on it before
// its blob, its property blob and its event bindings in binding order.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <variant>
#include <vector>
#include "framework/graphics.h"
#include "mainwindow/fin_main.h"
#include "mainwindow/layout/blob_encoders.h"

namespace fin_main::layout {

// A handler method of the window, in one of the framework's event forms.
using HandlerMethod = std::variant<
    void (Window::*)(fw::Object&),
    bool (Window::*)(fw::Object&, int32_t, int32_t),
    bool (Window::*)(fw::Object&, const fw::String&),
    bool (Window::*)(fw::Object&, int32_t),
    bool (Window::*)(fw::Object&, int32_t, int32_t, int32_t, int32_t),
    void (Window::*)(fw::Object&, const fw::String&)>;

struct EventPlan {
  fw::String event;  // "Action", "MouseDown", ...
  HandlerMethod handler;
};

enum class PictureProperty { Backdrop, Icon };  // a Canvas's, a BevelButton's

struct PicturePlan {
  PictureProperty property;
  fw::Picture (*picture)();  // the picture's accessor
};

struct MemberPlan {
  int position = 0;  // 1..215
  fw::String name;
  int32_t index = fw::kNoArrayIndex;
  std::function<std::unique_ptr<fw::Object>()> make;  // a new, constructed member
  std::optional<PicturePlan> picture;
  Blob blob;
  std::vector<EventPlan> events;
};

// The plan, built once.
const std::vector<MemberPlan>& CreationPlan();

// Creates the members at creation positions first..last (1-based, inclusive): each is
// made, added under its name, given its picture, then its blob, then its bindings,
// looked up by name (and index) at each step.
void CreateMembers(Window& window, int first, int last);

// Tests follow construction step by step: "add", "picture", "blob", "bind <event>",
// with the member concerned. nullptr stops reporting.
using CreationObserver = std::function<void(const fw::String& step, const fw::Object& member)>;
void SetCreationObserverForTesting(CreationObserver observer);

}  // namespace fin_main::layout
