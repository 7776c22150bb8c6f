#pragma once
#include "Layout.h"

const layout::Window& aboutFormLayout();
const layout::Window& helpFormLayout();

// The e-mail line of the about text.
inline constexpr const char* AuthorEmail = "quorvane@example.org";
