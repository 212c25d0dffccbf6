// Draws the menu model as a QMenuBar and keeps the bar in step with the model.
#include "framework/menu_qt.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStringList>
#include <map>
#include <set>

#include "framework/application.h"
#include "framework/latin_key_qt.h"

namespace fw {

QKeySequence MenuShortcutToKeySequence(const String& shortcut) {
  QString text = QString::fromStdString(shortcut).trimmed();
  if (text.isEmpty()) return {};
  QString key;
  if (text.endsWith("++")) {  // the plus key itself
    key = "+";
    text.chop(2);
  } else {
    const qsizetype plus = text.lastIndexOf('+');
    key = text.mid(plus + 1);
    text = plus < 0 ? QString() : text.left(plus);
  }
  QStringList mods;
  for (const QString& m : text.split('+', Qt::SkipEmptyParts)) {
    const QString lower = m.trimmed().toLower();
    if (lower == "cmd" || lower == "command" || lower == "ctrl" || lower == "control")
      mods << "Ctrl";
    else if (lower == "shift")
      mods << "Shift";
    else if (lower == "option" || lower == "alt")
      mods << "Alt";
    else
      return {};
  }
  if (key.trimmed().isEmpty()) return {};
  mods << key.trimmed();
  QKeySequence seq = QKeySequence::fromString(mods.join('+'), QKeySequence::PortableText);
  if (seq.count() != 1 || seq[0].key() == Qt::Key_unknown) return {};
  return seq;
}

namespace {

QString Caption(const MenuItem& item) {
  return QString::fromStdString(item.Text()).replace('&', "&&");  // no mnemonics
}

// Lives as a child of the bar: the bar's contents, the model listener and the
// shortcut hook go away with it.
class MenuBarBinding : public QObject {
 public:
  MenuBarBinding(MenuItem& root, QMenuBar* bar)
      : QObject(bar), root_(&root), token_(root.LifetimeToken()), bar_(bar) {
    listener_ = root.AddListener([this](MenuItem& changed) { OnChanged(changed); });
    qApp->installEventFilter(this);
    Build();
    // A window made before the loop gets its bar early; the application hears no
    // event before its Open (RunEventLoop updates the menus right after it).
    if (ApplicationHasOpened()) Update();
  }

  ~MenuBarBinding() override {
    if (!token_.expired()) root_->RemoveListener(listener_);
  }

 protected:
  // Shortcuts act on the enabled states, so the menus are brought up to date before
  // the keyboard shortcut map looks at them, as before a menu opens.
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride && watched->isWidgetType()) {
      auto* key = static_cast<QKeyEvent*>(event);
      auto* widget = static_cast<QWidget*>(watched);
      if ((key->modifiers() & Qt::ControlModifier) && widget->window() == bar_->window())
        Update();
    }
    if (event->type() == QEvent::KeyPress && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == bar_->window()) {
      const auto& key = *static_cast<QKeyEvent*>(event);
      if (QAction* action = ClaimedInPlace(key)) {
        if (!GivenToField(watched, key, action->shortcut()[0].key())) action->trigger();
        return true;
      }
    }
    return false;
  }

 private:
  bool Alive() const { return !token_.expired(); }

  // On a layout without Latin letters no shortcut took the Ctrl key, which came with a
  // letter of its own script: the enabled command whose shortcut is the Latin key in
  // its place, if any.
  QAction* ClaimedInPlace(const QKeyEvent& key) const {
    const Qt::KeyboardModifiers held =
        key.modifiers() & (Qt::ControlModifier | Qt::ShiftModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!(held & Qt::ControlModifier)) return nullptr;
    const Qt::Key latin = LatinKeyInPlaceOf(key);
    if (latin == Qt::Key_unknown) return nullptr;
    const QKeySequence wanted(QKeyCombination(held, latin));
    for (const auto& [item, action] : actions_)
      if (!action->menu() && action->shortcut() == wanted && action->isEnabled()) return action;
    return nullptr;
  }

  // A text field keeps its own keys (undo, cut, copy, paste) before any command that
  // names them, as it does with the Latin key itself: the field hears the key and does
  // its own edit.
  static bool GivenToField(QObject* focus, const QKeyEvent& key, Qt::Key latin) {
    QKeyEvent asked(QEvent::ShortcutOverride, latin, key.modifiers(), key.nativeScanCode(),
                    key.nativeVirtualKey(), key.nativeModifiers(), key.text(), key.isAutoRepeat());
    QApplication::sendEvent(focus, &asked);
    if (!asked.isAccepted()) return false;
    QKeyEvent press(QEvent::KeyPress, latin, key.modifiers(), key.nativeScanCode(), key.nativeVirtualKey(),
                    key.nativeModifiers(), key.text(), key.isAutoRepeat());
    QApplication::sendEvent(focus, &press);
    return true;
  }

  void Update() {
    if (!Alive()) return;
    if (Application* app = TheApplication()) app->UpdateMenuItems(*root_);
  }

  void Choose(MenuItem* item) {
    if (!Alive()) return;
    const String name = item->Name();
    if (Application* app = TheApplication()) app->ChooseMenuItem(name);
    // Qt flips a checkable action by itself; the model says what the tick really is.
    if (Alive() && actions_.count(item)) Sync(*item);
  }

  void Build() {
    for (QMenu* m : topMenus_) {
      bar_->removeAction(m->menuAction());
      m->deleteLater();  // may be the menu showing right now
    }
    topMenus_.clear();
    actions_.clear();
    childCount_.clear();
    childCount_[root_] = root_->Count();
    for (int i = 0; i < root_->Count(); ++i) {
      MenuItem& title = *root_->Item(i);
      QMenu* menu = NewMenu(title, bar_);
      bar_->addMenu(menu);
      topMenus_.push_back(menu);
    }
    AssignShortcuts();
    for (auto& [item, action] : actions_) Sync(*item);
  }

  QMenu* NewMenu(MenuItem& item, QWidget* parent) {
    auto* menu = new QMenu(Caption(item), parent);
    connect(menu, &QMenu::aboutToShow, this, [this] { Update(); });
    actions_[&item] = menu->menuAction();
    childCount_[&item] = item.Count();
    for (int i = 0; i < item.Count(); ++i) AddItem(*item.Item(i), menu);
    return menu;
  }

  void AddItem(MenuItem& item, QMenu* menu) {
    if (item.IsSeparator()) {
      actions_[&item] = menu->addSeparator();
    } else if (item.Count() > 0) {
      menu->addMenu(NewMenu(item, menu));
    } else {
      auto* action = new QAction(Caption(item), menu);
      action->setMenuRole(RoleOf(item));
      connect(action, &QAction::triggered, this, [this, p = &item] { Choose(p); });
      menu->addAction(action);
      actions_[&item] = action;
    }
  }

  // An item's class is fixed for its life: its role is set once, with its action.
  static QAction::MenuRole RoleOf(const MenuItem& item) {
    const String kind = item.ClassName();
    if (kind == "QuitMenuItem") return QAction::QuitRole;
    if (kind == "PrefsMenuItem") return QAction::PreferencesRole;
    if (kind == "AppleMenuItem") return QAction::AboutRole;
    return QAction::NoRole;
  }

  // The first item in menu order that claims a key gets it; a later claimant shows none.
  // Which key an item gets depends on every claim before it, so the keys are assigned
  // over the whole bar, and again only when a claim changes (see OnChanged).
  void AssignShortcuts() {
    std::set<QString> taken;
    claims_.clear();
    AssignShortcuts(*root_, taken);
  }
  void AssignShortcuts(MenuItem& parent, std::set<QString>& taken) {
    for (int i = 0; i < parent.Count(); ++i) {
      MenuItem& item = *parent.Item(i);
      auto it = actions_.find(&item);
      if (item.Count() > 0 || it == actions_.end() || it->second->isSeparator()) {
        AssignShortcuts(item, taken);
        continue;
      }
      claims_[&item] = item.KeyboardShortcut();
      QKeySequence seq = MenuShortcutToKeySequence(item.KeyboardShortcut());
      const QString key = seq.toString(QKeySequence::PortableText);
      if (!seq.isEmpty() && taken.insert(key).second)
        it->second->setShortcut(seq);
      else
        it->second->setShortcut(QKeySequence());
    }
  }

  // Whether an item below the root changed its kind (separator, menu, command) or its
  // number of children: the bar is then built afresh.
  bool NeedsRebuild(MenuItem& item) const {
    auto it = actions_.find(&item);
    if (it == actions_.end()) return true;
    const bool isMenu = it->second->menu() != nullptr;
    if (it->second->isSeparator() != item.IsSeparator()) return true;
    if (isMenu != (item.Count() > 0 || item.Parent() == root_)) return true;
    auto count = childCount_.find(&item);
    return isMenu && count != childCount_.end() && count->second != item.Count();
  }

  void OnChanged(MenuItem& item) {
    if (&item == root_) {
      if (childCount_[root_] != root_->Count()) Build();
      return;
    }
    if (NeedsRebuild(item)) {
      Build();
      return;
    }
    Sync(item);
    auto claim = claims_.find(&item);
    if (claim != claims_.end() && claim->second != item.KeyboardShortcut()) AssignShortcuts();
  }

  // Caption, enabled state and check mark of one item; the action leaves alone what
  // has not changed.
  void Sync(MenuItem& item) {
    QAction* action = actions_[&item];
    if (!action || action->isSeparator()) return;
    action->setText(Caption(item));
    action->setEnabled(item.Enabled());
    if (!action->menu()) {
      action->setCheckable(item.Checked());
      action->setChecked(item.Checked());
    }
  }

  MenuItem* root_;
  std::weak_ptr<const int> token_;
  QMenuBar* bar_;
  int listener_ = 0;
  std::vector<QMenu*> topMenus_;
  std::map<MenuItem*, QAction*> actions_;
  std::map<MenuItem*, int> childCount_;
  std::map<MenuItem*, String> claims_;  // each command's shortcut when the keys were assigned
};

}  // namespace

QMenuBar* CreateQMenuBar(MenuItem& root, QWidget* parent) {
  auto* bar = new QMenuBar(parent);
  new MenuBarBinding(root, bar);
  return bar;
}

}  // namespace fw
