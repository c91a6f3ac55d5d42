#pragma once

// Every kind of control a window can hold.

#include "gui/Buttons.h"
#include "gui/Canvas.h"
#include "gui/GroupBox.h"
#include "gui/Label.h"
#include "gui/RectControl.h"
#include "gui/Rectangle.h"
#include "gui/Slider.h"
#include "gui/TextField.h"
