#pragma once

#include "ResourceTypes.h"

#include <map>
#include <string>

// The copyright line of the About box and the version block.
inline constexpr const char* kCopyrightLine = "Copyright (C) 2026 Tarvelin";

// Builders of Tarvelin's resources, each run once when the resource set is first used.

std::map<unsigned, std::string> BuildStringTable();
MenuTemplate BuildMainMenu();
AcceleratorTable BuildMainAccelerators();
DialogTemplate BuildAboutDialog();
DialogTemplate BuildNewTypeDialog();
VersionInfo BuildVersionInfo();

IconGroup DrawApplicationIcon();
IconGroup DrawDocumentIcon();
CursorGroup DrawContextHelpCursor();
ImageResource Draw3dCheckBitmap();
ImageResource DrawMiniFrameMenuBitmap();
ImageResource DrawCheckListBoxNtBitmap();
ImageResource DrawCheckListBox95Bitmap();
