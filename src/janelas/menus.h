// The two pop-up menu trees, built from tables of labels and values.
#ifndef VORLANE_MENUS_H
#define VORLANE_MENUS_H

// The main window's tree, attached to its right button (the main window
// must be current).
void criaMenusPrincipais();
// The side panel's tree of settings (the panel must be current).
void criaMenusDoPainel();
// The viewer's three windows with their menus, in the viewer's order.
void criaJanelasEMenus();

#endif
