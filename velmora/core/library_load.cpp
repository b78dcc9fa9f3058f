#include "velmora/core/library_load.h"

#include "velmora/core/installer.h"
#include "velmora/core/shared_state.h"
#include "velmora/pane/pane_classes.h"
#include "velmora/protection/entry_list_pages.h"
#include "velmora/rootlist/arrange_mode.h"
#include "velmora/rootlist/sorting.h"
#include "velmora/rootlist/swipe_delegates.h"
#include "velmora/rootlist/tag_folder.h"
#include "velmora/rootlist/tag_folder_arrange.h"

namespace velmora::core {

namespace {

// On the phone the runtime registers an image's classes before its initialisers run.
void registerLibraryClasses()
{
    rootlist::registerArrangeTable();
    rootlist::registerSortDelegate();
    rootlist::registerSwipeClasses();
    rootlist::registerFolderArrangeTable();
    rootlist::registerTagFolder();
    pane::registerPaneClasses();
    protection::registerEntryListPages();
}

}  // namespace

void loadLibrary()
{
    registerLibraryClasses();
    createSharedState();
    CHConstructor6540();
}

}  // namespace velmora::core
