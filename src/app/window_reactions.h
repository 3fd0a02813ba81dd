#pragma once

#include "app/app_context.h"

namespace murvane {

void WindowCreated(AppContext& app);
void BrowseClicked(AppContext& app);
void ArtistBoxClicked(AppContext& app);

}  // namespace murvane
