// The canvas's tab-order editing on a page, as the editor's view does it:
// the page's objects made on a parent window, numbered, given new numbers and
// the page ordered after them.
#pragma once

#include "shared/menuobj/MObjBasis.h"
#include "shared/menuobj/MenuObjects.h"
#include "shared/menuobj/ProjectPage.h"

#include <functional>
#include <numeric>
#include <vector>

namespace menuobj_testing {

// arrange gets the places 0, 1, 2 ... of the texts and buttons whose windows
// were made, in the canvas's order, and permutes them: the k-th object takes
// tab number places[k] + 1.
inline void ChangeTabOrder(CProjectPage& page, CWnd& parent, const std::function<void(std::vector<int>&)>& arrange)
{
    // Only the buttons and texts are made: the other objects are in no tab
    // order, and a page's one text field keeps its place.
    const PageObjectLists all = page.GetObjectLists();
    const CMObjList none;
    CMenuObjects objects;
    objects.Init(&parent, MENUOBJ_FIRST_ID, MENUOBJ_MAX_COUNT, TRUE);
    objects.AddPageObjects({ none, all.texts, all.buttons, none, none, none, none },
                           page.GetButtonStyle().font);
    objects.ShowTabOrder(TRUE);
    objects.BeginTabOrder();
    std::vector<CMObjBasis*> tabObjects;
    for (int i = 0; i < objects.GetObjectCount(); ++i)
        if (objects.GetObjectAt(i)->HasTabLabel())
            tabObjects.push_back(objects.GetObjectAt(i));
    std::vector<int> places(tabObjects.size());
    std::iota(places.begin(), places.end(), 0);
    arrange(places);
    for (size_t k = 0; k < tabObjects.size(); ++k)
        tabObjects[k]->SetTabNumber(places[k] + 1);
    objects.ShowTabOrder(FALSE);
    page.TakeTabOrder(objects);
    objects.DeleteAll();
}

} // namespace menuobj_testing
