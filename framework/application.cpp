// The application object, start-up ordering and quitting.
#include "framework/application.h"

#include <QApplication>
#include <cstdio>
#include <map>
#include <vector>

namespace fw {

struct Application::Impl {
  std::map<String, std::function<bool()>> handlers;
  bool commandsAllowed = true;
};

Application::Application() : impl_(std::make_unique<Impl>()) {}
Application::~Application() = default;

void Application::_AddMenuHandler(const String& itemName, std::function<bool()> handler) {
  impl_->handlers[itemName] = std::move(handler);
}

bool Application::HasMenuHandler(const String& itemName) const {
  return impl_->handlers.count(itemName) > 0;
}

bool Application::ChooseMenuItem(const String& itemName) {
  if (!impl_->commandsAllowed) return false;
  auto it = impl_->handlers.find(itemName);
  if (it == impl_->handlers.end()) return false;
  bool handled = false;
  auto handler = it->second;  // a handler may rebind itself
  Guarded(itemName.c_str(), [&] { handled = handler(); });
  return handled;
}

void Application::SetMenuCommandsAllowed(bool allowed) { impl_->commandsAllowed = allowed; }
bool Application::MenuCommandsAllowed() const { return impl_->commandsAllowed; }

namespace {
// The toolkit keeps references to argc and argv for its whole life.
int* gArgc = nullptr;
Application* gApp = nullptr;
}  // namespace

void InitFramework(int& argc, char** argv) {
  if (QApplication::instance()) return;
  gArgc = &argc;
  new QApplication(*gArgc, argv);
}

void RegisterApplication(Application* app) { gApp = app; }
Application* TheApplication() { return gApp; }

int RunEventLoop() { return QApplication::exec(); }
void CallAfterApplicationOpen(std::function<void()> fn) { if (fn) fn(); }
bool ApplicationHasOpened() { return true; }
void Quit() { QApplication::quit(); }
bool QuitHasRun() { return false; }
void ResetQuitForTesting() {}

void Guarded(const char* what, const std::function<void()>& fn) {
  try {
    fn();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "velqora: %s failed: %s\n", what, e.what());
  } catch (...) {
    std::fprintf(stderr, "velqora: %s failed\n", what);
  }
}

}  // namespace fw
