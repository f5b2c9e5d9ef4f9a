// SPDX-License-Identifier: GPL-3.0-or-later
#include "garden_art.h"
#include "gothic_art.h"
#include "mystery_art.h"
#include "ocean_art.h"

namespace artwork {

std::unique_ptr<ThemeArt> MakeGothicArt(int scale) { return std::make_unique<GothicArt>(scale); }
std::unique_ptr<ThemeArt> MakeGardenArt(int scale) { return std::make_unique<GardenArt>(scale); }
std::unique_ptr<ThemeArt> MakeOceanArt(int scale) { return std::make_unique<OceanArt>(scale); }
std::unique_ptr<ThemeArt> MakeMysteryArt(int scale) { return std::make_unique<MysteryArt>(scale); }

}  // namespace artwork
