#pragma once
// The stamps moved to the document layer; the main window still includes them from here.

#include "document/filestamps.h"
