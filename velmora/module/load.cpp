#include "velmora/core/library_load.h"

// Runs when the host's loader opens the module, as the substrate loader does on the phone.
__attribute__((constructor)) static void loadVelmora()
{
    velmora::core::loadLibrary();
}
