#pragma once
// The player's own folders, for an installed copy of the game and for saved
// games: where the catalogue, the player's issue files and saved games go.

#include "CatalogueFolders.h"

#include <QString>

#include <string>

// The catalogue folders of the program in ProgramFolder: an installed copy's
// player folder is the system's per-user application data folder.
TCatalogueFolders PlayerCatalogueFolders(const std::string& ProgramFolder);

// "Grids" in the player's documents folder.
QString PlayerGridsFolder();
