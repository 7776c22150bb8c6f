#pragma once
#include "Layout.h"

const layout::Window& gameBoardLayout();
