#pragma once
#include "Layout.h"

const layout::Window& aboutFormLayout();
const layout::Window& helpFormLayout();
