// The window's menus as Qt actions, built from the menu table and kept in step with the model.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>

#include "app/qt/accessibility.h"
#include "app/qt/layout_look.h"
#include "app/qt/main_window.h"
#include "app/qt/menu_titles_fit.h"
#include "ui/layout_texts.h"
#include "ui/translate.h"

namespace lintra::frontend {

void MainWindow::BuildMenus() {
  std::map<const ui::MenuItem*, QMenu*> menus;
  // The radio items of one menu show radio marks as one exclusive group; none
  // checked is allowed, as in the model, which alone decides the checks.
  std::map<const ui::MenuItem*, QActionGroup*> radioGroups;
  for (const auto& owned : model_.AllMenus()) {
    ui::MenuItem* item = owned.get();
    QAction* action = nullptr;
    if (item->parent == nullptr) {
      QMenu* menu = menuBar()->addMenu(Q(item->caption));
      menu->setObjectName(Q(item->Name()));
      menus[item] = menu;
      action = menu->menuAction();
    } else if (item->OpensSubmenu()) {
      QMenu* menu = menus.at(item->parent)->addMenu(Q(item->caption));
      menu->setObjectName(Q(item->Name()));
      menus[item] = menu;
      action = menu->menuAction();
      // A submenu with a handler runs it each time it opens.
      if (item->handler) {
        connect(menu, &QMenu::aboutToShow, this, [this, item] { form_->Guard(item->handler); });
      }
    } else if (item->layout.caption == ui::kMenuSeparator) {
      action = menus.at(item->parent)->addSeparator();
    } else {
      action = menus.at(item->parent)->addAction(Q(item->caption));
      connect(action, &QAction::triggered, this, [this, item] {
        form_->Guard([item] {
          if (item->handler) item->handler();
        });
        // Choosing an item does not check it by itself: the handler decides,
        // for the item and for the siblings its group has changed.
        for (const auto& sibling : model_.AllMenus()) {
          if (sibling->parent == item->parent) SyncMenu(*sibling);
        }
      });
    }
    action->setObjectName(Q(item->Name()));
    action->setCheckable(item->layout.radio && item->parent != nullptr);
    if (action->isCheckable()) {
      QActionGroup*& group = radioGroups[item->parent];
      if (group == nullptr) {
        group = new QActionGroup(this);
        group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
      }
      group->addAction(action);
    }
    // An on/off item of its own is checkable outside every radio group.
    if (item->layout.toggle && item->parent != nullptr) action->setCheckable(true);
    actions_[item] = action;
    SyncMenu(*item);
  }
}

void MainWindow::SyncMenu(const ui::MenuItem& item) {
  auto it = actions_.find(&item);
  if (it == actions_.end()) return;
  QAction* action = it->second;
  if (item.parent == nullptr) {
    // Each menu of the bar opens with its access key, chosen from the captions the layout gives the
    // menus: a menu whose caption changes keeps its key.
    std::vector<std::string> captions;
    std::size_t index = 0;
    for (const auto& top : model_.AllMenus()) {
      if (top->parent != nullptr) continue;
      if (top.get() == &item) index = captions.size();
      captions.push_back(ui::TrMarked(ui::kMenuContext, top->layout.caption));
    }
    action->setText(WithAccessKey(Q(ui::TrMarked(ui::kMenuContext, item.caption)), AccessKeysOf(captions)[index]));
    FitMenuTitles(menuBar(), menuPoints_, width());
    menuTitlesWidth_ = width();
  } else if (item.layout.caption != ui::kMenuSeparator) {
    // A separator is read as no text.
    action->setText(Q(ui::TrMarked(ui::kMenuContext, item.caption)));
  }
  // Keys are named by their notes, in the naming and octave numbering chosen.
  if (item.Name() == ui::menu::Letters.text || item.Name() == ui::menu::Syllables.text ||
      item.Name() == ui::menu::MiddleCIsC4.text)
    NameKeys();
  if (action->isCheckable()) action->setChecked(item.checked);
  action->setEnabled(item.enabled);
}

}  // namespace lintra::frontend
