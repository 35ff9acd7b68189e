#include "TarvelinApp.h"

// The one application object of the program; tests make their own.
CTarvelinApp theApp;
