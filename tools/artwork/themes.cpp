#include "garden_art.h"
#include "gothic_art.h"
#include "mystery_art.h"
#include "ocean_art.h"

namespace artwork {

std::unique_ptr<ThemeArt> MakeGothicArt() {
    return std::make_unique<GothicArt>();
}
std::unique_ptr<ThemeArt> MakeGardenArt() {
    return std::make_unique<GardenArt>();
}
std::unique_ptr<ThemeArt> MakeOceanArt() {
    return std::make_unique<OceanArt>();
}
std::unique_ptr<ThemeArt> MakeMysteryArt() {
    return std::make_unique<MysteryArt>();
}

} // namespace artwork
