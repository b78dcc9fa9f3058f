#include "velmora/protection/entry_list_pages.h"

#include "velmora/protection/hidden_entries_page.h"
#include "velmora/protection/passcode_page.h"
#include "velmora/protection/protected_entries_page.h"

namespace velmora::protection {

void registerEntryListPages()
{
    registerPasswordController();
    registerProtectionController();
    registerAllSpecifiersController();
}

}  // namespace velmora::protection
