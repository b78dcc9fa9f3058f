#include "velmora/pane/pane_classes.h"

#include "velmora/pane/add_tag_page.h"
#include "velmora/pane/advanced_page.h"
#include "velmora/pane/general_page.h"
#include "velmora/pane/icon_chooser.h"
#include "velmora/pane/info/info_pages.h"
#include "velmora/pane/pane_root.h"
#include "velmora/pane/tag_editor.h"
#include "velmora/pane/tag_list.h"
#include "velmora/pane/themes.h"

namespace velmora::pane {

void registerPaneClasses()
{
    registerVelmoraController();
    registerGeneralsController();
    registerAdvancedController();
    registerTagsController();
    registerAddTagController();
    registerIconController();
    registerFolderTagController();
    registerThemeClasses();
    registerInformationPages();
}

}  // namespace velmora::pane
