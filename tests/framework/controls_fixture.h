#pragma once
// A shown window to put controls in, for the control behaviour tests. The tests drive
// the real Qt widgets with simulated keys and clicks.
#include <gtest/gtest.h>
#include <QApplication>
#include <QTest>
#include <memory>
#include "framework/control_widget_qt.h"
#include "framework/controls.h"
#include "framework/window.h"

namespace controls_test {

class ControlsFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    window = std::make_unique<fw::Window>();
    window->Name = "testwin";
    window->SetResizeable(false);
    window->SetWidth(400);
    window->SetHeight(300);
    window->SetHasBackColor(true);
    window->SetBackColor(fw::RGB(255, 255, 255));
  }
  void TearDown() override { window.reset(); }

  template <class T>
  T& Add(const std::string& name, int left, int top, int width, int height,
         int32_t index = fw::kNoArrayIndex) {
    auto control = std::make_unique<T>();
    control->Index = index;
    control->SetLeft(left);
    control->SetTop(top);
    control->SetWidth(width);
    control->SetHeight(height);
    return static_cast<T&>(window->_AddControl(name, std::move(control)));
  }

  // Shows the window and waits until it is the active one (keys and focus need that).
  void ShowActive() {
    window->Show();
    QWidget* top = fw::TopWidgetOf(*window);
    top->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(top));
  }

  QWidget* content() const { return fw::ContentWidgetOf(*window); }

  // A click at a point of the content area, delivered to the widget the window system
  // would deliver it to: the frontmost visible one there.
  void ClickAt(QPoint p, Qt::MouseButton button = Qt::LeftButton) {
    QWidget* target = content()->childAt(p);
    if (!target) target = content();
    QTest::mouseClick(target, button, Qt::NoModifier, target->mapFrom(content(), p));
  }

  // The window's content as it is drawn now.
  QImage Snapshot() {
    QApplication::processEvents();
    return content()->grab().toImage();
  }

  std::unique_ptr<fw::Window> window;
};

}  // namespace controls_test
