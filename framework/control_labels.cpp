// The name a screen reader gives an edit field, or a button whose own caption has no room
// to show: the captions printed beside it, which is how a sighted user tells them apart.
#include <QLabel>
#include <algorithm>
#include <vector>
#include "framework/control_widget_qt.h"

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

// The readable captions beside `control` in its window that `near` accepts.
template <class Near>
std::vector<const QLabel*> CaptionsNear(const QWidget& control, Near near) {
  std::vector<const QLabel*> found;
  if (const QWidget* area = control.parentWidget())
    for (const QObject* o : area->children())
      if (const auto* l = qobject_cast<const QLabel*>(o); l && near(l->geometry(), control.geometry()) && Readable(*l))
        found.push_back(l);
  return found;
}

}  // namespace

QString FieldLabel(const QWidget& field) {
  std::vector<const QLabel*> captions = CaptionsNear(field, Before);
  if (captions.empty()) captions = CaptionsNear(field, Above);
  return Joined(captions);
}

QString CaptionAfter(const QWidget& button) {
  return Joined(CaptionsNear(button, [](const QRect& caption, const QRect& b) { return Before(b, caption); }));
}

}  // namespace fw
