#pragma once

#include "ResourceSet.h"

// Tarvelin's resources: built on first use, then unchanged for the life of the process.
// Install them with AfxSetResourceSet(&TarvelinResources()) before the application starts.
const CResourceSet& TarvelinResources();
