// The picture names are constants of ArtNames.h; this file gives the resource libraries their
// one compiled unit.
#include "tools/art/ArtNames.h"
