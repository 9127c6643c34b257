#include "SetupPars.h"

TSetupPars SetupPars;
