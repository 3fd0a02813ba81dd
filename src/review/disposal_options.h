// The delete and move options and the target box, kept in step with DeleteMode and MoveMode.
// Delete and move exclude each other.
#pragma once

#include "app/app_context.h"

namespace murvane {

inline constexpr const char* kTargetPlaceholder = " 双击修改目录";

void DeleteBoxClicked(AppContext& app);
void MoveBoxClicked(AppContext& app);
void TargetTextChanged(AppContext& app);
void TargetBoxDoubleClicked(AppContext& app);

}  // namespace murvane
