// The name a screen reader gives an edit field: the captions printed just before it on
// its line or just above it, which is how a sighted user tells the fields apart.
#include <QLabel>
#include <algorithm>
#include <vector>
#include "framework/edit_field_widget_qt.h"

namespace fw {

namespace {

constexpr int kNear = 8;  // pixels at most between a caption and its field

bool Readable(const QLabel& l) {
  return l.isVisibleTo(l.window()) && !OutOfSight(&l) && !l.text().trimmed().isEmpty();
}

bool Before(const QRect& caption, const QRect& field) {
  const int middle = caption.center().y();
  return caption.right() < field.left() && field.left() - caption.right() <= kNear &&
         middle >= field.top() && middle <= field.bottom();
}

bool Above(const QRect& caption, const QRect& field) {
  return caption.center().y() < field.top() && field.top() - caption.bottom() <= kNear &&
         caption.right() >= field.left() && caption.left() <= field.right();
}

QString Joined(std::vector<const QLabel*> captions) {
  std::sort(captions.begin(), captions.end(),
            [](const QLabel* a, const QLabel* b) { return a->x() < b->x(); });
  QStringList texts;
  for (const QLabel* l : captions) texts << l->text().simplified();
  return texts.join(u' ');
}

}  // namespace

QString FieldLabel(const QWidget& field) {
  const QWidget* area = field.parentWidget();
  if (!area) return {};
  std::vector<const QLabel*> before, above;
  for (const QObject* o : area->children()) {
    const auto* l = qobject_cast<const QLabel*>(o);
    if (!l || !Readable(*l)) continue;
    if (Before(l->geometry(), field.geometry())) before.push_back(l);
    else if (Above(l->geometry(), field.geometry())) above.push_back(l);
  }
  return Joined(before.empty() ? above : before);
}

}  // namespace fw
