#pragma once
// Keeping windows on the monitors there are: several side by side, and monitors that
// change while the program runs (a laptop undocked, a projector unplugged, a lower
// resolution).
class QWidget;

namespace fw {

// The monitors changed since the program started: a count that grows with each change.
int MonitorChanges();

// From the first call on, windows that a change of the monitors leaves off them come
// back onto one.
void WatchMonitors();

// Moves a window whose frame lies across two monitors, or off every monitor, the
// least way onto the one holding most of it (the nearest when none holds any). A
// window wholly on one monitor stays where it is; one larger than the monitor keeps
// its top left corner, title bar and menu bar, on it.
void KeepOnOneMonitor(QWidget* top);

}  // namespace fw
